#pragma once

#include <QCoreApplication>
#include <QString>
#include <stdexcept>

namespace platform {

// An error a handler reports to the user; the message is shown as it stands.
class UserError : public std::runtime_error {
public:
    explicit UserError(const QString& message) : std::runtime_error(message.toStdString()), text_(message) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};

// A file that cannot be opened, read, created or written: names the file and the system's reason.
class FileError : public UserError {
public:
    FileError(const QString& path, const QString& reason) : UserError(path + ": " + reason) {}
};

// A file that was read but does not hold a valid picture of its kind.
class ImageError : public UserError {
public:
    using UserError::UserError;
};

inline const QString bitmap_not_valid = QStringLiteral("Bitmap image is not valid");
// The same refusal of a file, for the person who chose it.
inline QString bitmap_not_valid_named()
{
    return QCoreApplication::translate("platform", "картинка BMP повреждена или обрезана (%1)")
        .arg(bitmap_not_valid);
}
// A picture with more pixels than the way it is read may hold.
inline QString picture_too_large()
{
    return QCoreApplication::translate("platform", "картинка слишком большая");
}

} // namespace platform
