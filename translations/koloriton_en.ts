<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>app::CommandLine</name>
    <message>
        <source>Показать эту справку.</source>
        <translation>Show this help.</translation>
    </message>
    <message>
        <source>Сделать из фотографии новое место для раскрашивания в каталоге пользователя (~/.local/share/koloriton/).</source>
        <translation>Make a new place to colour from a photograph, in the user&apos;s catalogue (~/.local/share/koloriton/).</translation>
    </message>
    <message>
        <source>фотография</source>
        <translation>photograph</translation>
    </message>
    <message>
        <source>Название нового места, например &quot;Наша школа&quot;.</source>
        <translation>Name of the new place, for example &quot;Our school&quot;.</translation>
    </message>
    <message>
        <source>название</source>
        <translation>name</translation>
    </message>
    <message>
        <source>Описание места: текст или RTF в UTF-8.</source>
        <translation>Description of the place: text or RTF in UTF-8.</translation>
    </message>
    <message>
        <source>файл</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Заменить место с тем же названием.</source>
        <translation>Replace the place with the same name.</translation>
    </message>
    <message>
        <source>Открыть окно настроек для взрослых: что можно ребёнку, контуры, папка для рисунков.</source>
        <translation>Open the settings window for adults: what the child may do, outlines, the folder for drawings.</translation>
    </message>
    <message>
        <source>Проверить файлы настроек и вывести каждую ошибку в них; код выхода 1, если ошибки есть.</source>
        <translation>Check the settings files and print every error in them; exit code 1 if there are errors.</translation>
    </message>
    <message>
        <source>Открыть во весь экран (F11 возвращает окно).</source>
        <translation>Open full screen (F11 brings the window back).</translation>
    </message>
    <message>
        <source>Колоритон, раскраска для детей.</source>
        <translation>Koloriton, a colouring book for children.</translation>
    </message>
    <message>
        <source>koloriton: неизвестный параметр «%1». Параметры: koloriton --help
</source>
        <translation>koloriton: unknown option &quot;%1&quot;. Options: koloriton --help
</translation>
    </message>
    <message>
        <source>koloriton: у параметра нет значения. Параметры: koloriton --help
</source>
        <translation>koloriton: the option has no value. Options: koloriton --help
</translation>
    </message>
    <message>
        <source>koloriton: лишний аргумент «%1»; название места с пробелами пишут в кавычках
</source>
        <translation>koloriton: extra argument &quot;%1&quot;; a place name with spaces goes in quotes
</translation>
    </message>
    <message>
        <source>koloriton: у места нет названия: добавьте --name &quot;Название&quot;
</source>
        <translation>koloriton: the place has no name: add --name &quot;Name&quot;
</translation>
    </message>
    <message>
        <source>Место «%1» готово: %2
</source>
        <translation>The place &quot;%1&quot; is ready: %2
</translation>
    </message>
    <message>
        <source>Файлы настроек в порядке.
</source>
        <translation>The settings files are fine.
</translation>
    </message>
    <message>
        <source>Сколько областей на странице: меньше (для самых маленьких), обычно или больше.</source>
        <translation>How many areas the page has: fewer (for the youngest), usual or more.</translation>
    </message>
    <message>
        <source>меньше|обычно|больше</source>
        <translation>fewer|usual|more</translation>
    </message>
    <message>
        <source>обычно</source>
        <translation>usual</translation>
    </message>
    <message>
        <source>меньше</source>
        <translation>fewer</translation>
    </message>
    <message>
        <source>больше</source>
        <translation>more</translation>
    </message>
    <message>
        <source>koloriton: --detail бывает только %1, а не «%2»
</source>
        <translation>koloriton: --detail takes only %1, not &quot;%2&quot;
</translation>
    </message>
    <message>
        <source> (заменить его: --replace)</source>
        <translation> (to replace it: --replace)</translation>
    </message>
</context>
<context>
    <name>app::ExitConfirmation</name>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Вы уверены?</source>
        <translation>Are you sure?</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>app::MainWindow</name>
    <message>
        <source>Колоритон</source>
        <translation>Koloriton</translation>
    </message>
    <message>
        <source>Главная</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Открыть/загрузить</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>[Выбор базового цвета]</source>
        <translation>[Pick a colour]</translation>
    </message>
    <message>
        <source>[Выбор цвета]</source>
        <translation>[Pick a shade]</translation>
    </message>
    <message>
        <source>[Размер кисти 3]</source>
        <translation>[Brush size 3]</translation>
    </message>
    <message>
        <source>[Размер кисти 2]</source>
        <translation>[Brush size 2]</translation>
    </message>
    <message>
        <source>[Размер кисти 1]</source>
        <translation>[Brush size 1]</translation>
    </message>
    <message>
        <source>[Кисть]</source>
        <translation>[Brush]</translation>
    </message>
    <message>
        <source>[Заливка]</source>
        <translation>[Paint bucket]</translation>
    </message>
    <message>
        <source>[Вниз]</source>
        <translation>[Down]</translation>
    </message>
    <message>
        <source>[Вверх]</source>
        <translation>[Up]</translation>
    </message>
    <message>
        <source>[Стерашка]</source>
        <translation>[Eraser]</translation>
    </message>
    <message>
        <source>[Фотография]</source>
        <translation>[Photo]</translation>
    </message>
    <message>
        <source>[Описание]</source>
        <translation>[About this place]</translation>
    </message>
    <message>
        <source>[Пробник цвета]</source>
        <translation>[Colour picker]</translation>
    </message>
    <message>
        <source>[Размер кисти 4]</source>
        <translation>[Brush size 4]</translation>
    </message>
    <message>
        <source>[Нарисовать прямоугольник]</source>
        <translation>[Draw a rectangle]</translation>
    </message>
    <message>
        <source>[Нарисовать скругленный прямоугольник]</source>
        <translation>[Draw a rounded rectangle]</translation>
    </message>
    <message>
        <source>[Нарисовать круг]</source>
        <translation>[Draw a circle]</translation>
    </message>
    <message>
        <source>[Нарисовать линию]</source>
        <translation>[Draw a line]</translation>
    </message>
    <message>
        <source>[Открыть картинку]</source>
        <translation>[Open a picture]</translation>
    </message>
    <message>
        <source>[Выход]</source>
        <translation>[Exit]</translation>
    </message>
    <message>
        <source>[Сохранить]</source>
        <translation>[Save]</translation>
    </message>
    <message>
        <source>[Главная]</source>
        <translation>[Home]</translation>
    </message>
    <message>
        <source>[Печать]</source>
        <translation>[Print]</translation>
    </message>
    <message>
        <source>[Сплошная заливка]</source>
        <translation>[Solid fill]</translation>
    </message>
    <message>
        <source>[Горизонтальная заливка]</source>
        <translation>[Horizontal stripes]</translation>
    </message>
    <message>
        <source>[Вертикальная заливка]</source>
        <translation>[Vertical stripes]</translation>
    </message>
    <message>
        <source>[Заливка с наклоном вправо]</source>
        <translation>[Stripes slanting right]</translation>
    </message>
    <message>
        <source>[Заливка с наклоном влево]</source>
        <translation>[Stripes slanting left]</translation>
    </message>
    <message>
        <source>[Заливка сеткой]</source>
        <translation>[Grid fill]</translation>
    </message>
    <message>
        <source>[Нарисовать треугольник]</source>
        <translation>[Draw a triangle]</translation>
    </message>
    <message>
        <source>[Нарисовать ромб]</source>
        <translation>[Draw a diamond]</translation>
    </message>
    <message>
        <source>[Отменить последнее действие]</source>
        <translation>[Undo the last step]</translation>
    </message>
    <message>
        <source>[Повторить последнее действие]</source>
        <translation>[Redo the last step]</translation>
    </message>
    <message>
        <source>Рисунок восстановлен</source>
        <translation>Your drawing is back</translation>
    </message>
</context>
<context>
    <name>app::SaveBeforeLeaving</name>
    <message>
        <source>Сохранить рисунок?</source>
        <translation>Save the drawing?</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>catalogue::GalleryPage</name>
    <message>
        <source>Мои рисунки</source>
        <translation>My drawings</translation>
    </message>
    <message>
        <source>Здесь пока нет рисунков.</source>
        <translation>There are no drawings here yet.</translation>
    </message>
    <message>
        <source>Другой файл…</source>
        <translation>Another file…</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>core</name>
    <message>
        <source>Растровое изображение (24 бит) (*.bmp)</source>
        <translation>Bitmap image (24-bit) (*.bmp)</translation>
    </message>
    <message>
        <source>Растровое изображение (*.bmp)</source>
        <translation>Bitmap image (*.bmp)</translation>
    </message>
</context>
<context>
    <name>formats</name>
    <message>
        <source>файл слишком большой</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>картинка JPEG слишком большая</source>
        <translation>the JPEG picture is too large</translation>
    </message>
    <message>
        <source>в картинке JPEG слишком много проходов</source>
        <translation>the JPEG picture has too many scans</translation>
    </message>
    <message>
        <source>декодирование JPEG остановлено</source>
        <translation>JPEG decoding was stopped</translation>
    </message>
    <message>
        <source>не хватает памяти для картинки JPEG</source>
        <translation>not enough memory for the JPEG picture</translation>
    </message>
    <message>
        <source>файл JPEG повреждён или обрезан</source>
        <translation>the JPEG file is damaged or cut short</translation>
    </message>
    <message>
        <source>векторные картинки (SVG) не читаются: нужна картинка JPEG, PNG или BMP</source>
        <translation>vector pictures (SVG) cannot be read: use a JPEG, PNG or BMP picture</translation>
    </message>
</context>
<context>
    <name>formats::VersionInfo</name>
    <message>
        <source>разработчик, художник, методист, тестировщик</source>
        <translation>developer, artist, teaching adviser, tester</translation>
    </message>
    <message>
        <source>разрешение не менее 1024х768, мышь</source>
        <translation>screen of at least 1024×768, mouse</translation>
    </message>
    <message>
        <source>Программа сделана по заказу детской художественной студии к её юбилею.</source>
        <translation>Made for a children&apos;s art studio on its anniversary.</translation>
    </message>
    <message>
        <source>Колоритон</source>
        <translation>Koloriton</translation>
    </message>
</context>
<context>
    <name>history::DrawingFiles</name>
    <message>
        <source>Рисунок</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>Сохранено</source>
        <translation>Saved</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Колоритон</source>
        <translation>Koloriton</translation>
    </message>
</context>
<context>
    <name>output</name>
    <message>
        <source>Не удалось начать печать: %1</source>
        <translation>Could not start printing: %1</translation>
    </message>
    <message>
        <source>Не удалось завершить печать: %1</source>
        <translation>Could not finish printing: %1</translation>
    </message>
    <message>
        <source>Принтер не найден</source>
        <translation>No printer was found</translation>
    </message>
    <message>
        <source>Принтер недоступен: %1</source>
        <translation>The printer is not available: %1</translation>
    </message>
</context>
<context>
    <name>output::AboutBox</name>
    <message>
        <source>Версия: </source>
        <translation>Version: </translation>
    </message>
    <message>
        <source>Авторы: </source>
        <translation>Authors: </translation>
    </message>
    <message>
        <source>Аппаратные требования: </source>
        <translation>Hardware requirements: </translation>
    </message>
    <message>
        <source>Контакты: </source>
        <translation>Contact: </translation>
    </message>
    <message>
        <source>О программе: %1</source>
        <translation>About %1</translation>
    </message>
</context>
<context>
    <name>output::HelpAreas</name>
    <message>
        <source>Навигация по картинкам</source>
        <translation>Moving through the pictures</translation>
    </message>
    <message>
        <source>Выбор картинки для раскраски</source>
        <translation>Choosing a picture to colour</translation>
    </message>
    <message>
        <source>Отмена и повтор</source>
        <translation>Undo and redo</translation>
    </message>
    <message>
        <source>Поле для рисования</source>
        <translation>Drawing area</translation>
    </message>
    <message>
        <source>Базовый цвет</source>
        <translation>Main colour</translation>
    </message>
    <message>
        <source>Дополнительный цвет</source>
        <translation>Extra shade</translation>
    </message>
    <message>
        <source>Толщина линии</source>
        <translation>Line thickness</translation>
    </message>
    <message>
        <source>Инструменты рисования</source>
        <translation>Drawing tools</translation>
    </message>
    <message>
        <source>Штриховка</source>
        <translation>Fill patterns</translation>
    </message>
    <message>
        <source>Фигуры</source>
        <translation>Shapes</translation>
    </message>
    <message>
        <source>Фотография и описание</source>
        <translation>Photo and description</translation>
    </message>
    <message>
        <source>Главная</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>output::HelpWindow</name>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>output::PrintWindow</name>
    <message>
        <source>Печать работы</source>
        <translation>Print the drawing</translation>
    </message>
    <message>
        <source>Наименование работы</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Автор</source>
        <translation>Artist</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Распечатать</source>
        <translation>Print</translation>
    </message>
</context>
<context>
    <name>places</name>
    <message>
        <source>описание должно быть текстом в кодировке UTF-8</source>
        <translation>the description must be text in UTF-8</translation>
    </message>
    <message>
        <source>нет такого файла с описанием</source>
        <translation>there is no such description file</translation>
    </message>
    <message>
        <source>файл описания не читается или больше 1 МБ</source>
        <translation>the description file cannot be read or is larger than 1 MB</translation>
    </message>
    <message>
        <source>описание в каталоге заняло бы %1 КБ, а программа читает описания не больше %2 КБ: сократите текст</source>
        <translation>the description would take %1 KB in the catalogue, but the program reads descriptions of at most %2 KB: shorten the text</translation>
    </message>
    <message>
        <source>нет такого файла</source>
        <translation>there is no such file</translation>
    </message>
    <message>
        <source>это не файл с картинкой</source>
        <translation>this is not a picture file</translation>
    </message>
    <message>
        <source>файл слишком большой для фотографии (больше 128 МБ)</source>
        <translation>the file is too large for a photograph (more than 128 MB)</translation>
    </message>
    <message>
        <source>файл не читается (%1)</source>
        <translation>the file cannot be read (%1)</translation>
    </message>
    <message>
        <source>это не картинка (годятся JPEG, PNG и BMP)</source>
        <translation>this is not a picture (JPEG, PNG and BMP will do)</translation>
    </message>
    <message>
        <source>картинка слишком большая: %1 × %2 точек, можно не больше %3 миллионов</source>
        <translation>the picture is too large: %1 × %2 pixels, at most %3 million are allowed</translation>
    </message>
    <message>
        <source>файл JPEG повреждён или обрезан</source>
        <translation>the JPEG file is damaged or cut short</translation>
    </message>
    <message>
        <source>картинка повреждена и не читается</source>
        <translation>the picture is damaged and cannot be read</translation>
    </message>
    <message>
        <source>файл не записывается</source>
        <translation>the file cannot be written</translation>
    </message>
    <message>
        <source>папку не удаётся создать</source>
        <translation>the folder cannot be created</translation>
    </message>
    <message>
        <source>папка не открывается</source>
        <translation>the folder cannot be opened</translation>
    </message>
    <message>
        <source>папку не удаётся занять</source>
        <translation>the folder cannot be claimed</translation>
    </message>
    <message>
        <source>файл не удаётся поставить на место</source>
        <translation>the file cannot be put in place</translation>
    </message>
    <message>
        <source>в папку нельзя записать</source>
        <translation>the folder cannot be written to</translation>
    </message>
    <message>
        <source>на месте файла стоит папка; место оставлено как было</source>
        <translation>there is a folder where the file should be; the place was left as it was</translation>
    </message>
    <message>
        <source>Миниатюра</source>
        <translation>Thumbnail</translation>
    </message>
    <message>
        <source>не удаётся сжать в JPEG (%1)</source>
        <translation>cannot be compressed to JPEG (%1)</translation>
    </message>
    <message>
        <source>Название места</source>
        <translation>Place name</translation>
    </message>
    <message>
        <source>оно пустое</source>
        <translation>it is empty</translation>
    </message>
    <message>
        <source>в названии места не может быть косой черты «/»</source>
        <translation>a place name cannot contain a slash &quot;/&quot;</translation>
    </message>
    <message>
        <source>в названии места не может быть точки</source>
        <translation>a place name cannot contain a dot</translation>
    </message>
    <message>
        <source>в названии места не может быть управляющих знаков</source>
        <translation>a place name cannot contain control characters</translation>
    </message>
    <message>
        <source>файловая система не может сохранить такое название</source>
        <translation>the file system cannot store such a name</translation>
    </message>
    <message>
        <source>название места слишком длинное для файловой системы</source>
        <translation>the place name is too long for the file system</translation>
    </message>
    <message>
        <source>на этой фотографии почти нечего раскрашивать: получилось бы %1 областей, а нужно хотя бы %2. Так бывает, когда фотография однотонная, размытая, снята в тумане или темноте или покрыта шумом. Попробуйте чёткую фотографию при хорошем свете, где предмет снят крупно</source>
        <translation>there is almost nothing to colour in this photograph: it would give %1 areas, and a page needs at least %2. This happens when a photograph is of one colour, blurred, taken in fog or darkness, or noisy. Try a sharp photograph taken in good light, with the subject close up</translation>
    </message>
    <message>
        <source>такого места больше нет</source>
        <translation>this place no longer exists</translation>
    </message>
    <message>
        <source>место с таким названием уже есть</source>
        <translation>a place with this name already exists</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>Непредвиденная ошибка</source>
        <translation>Unexpected error</translation>
    </message>
    <message>
        <source>картинка BMP повреждена или обрезана (%1)</source>
        <translation>the BMP picture is damaged or cut short (%1)</translation>
    </message>
    <message>
        <source>картинка слишком большая</source>
        <translation>the picture is too large</translation>
    </message>
    <message>
        <source>Диск заполнен: освободите место и попробуйте снова</source>
        <translation>The disk is full: free some space and try again</translation>
    </message>
    <message>
        <source>Место на диске, отведённое пользователю, закончилось</source>
        <translation>The disk space given to this user has run out</translation>
    </message>
    <message>
        <source>Диск только для чтения: на него нельзя записать</source>
        <translation>The disk is read-only: nothing can be written to it</translation>
    </message>
    <message>
        <source>Нет доступа к файлу</source>
        <translation>No access to the file</translation>
    </message>
    <message>
        <source>Нет такого файла или папки</source>
        <translation>No such file or folder</translation>
    </message>
    <message>
        <source>Это папка, а не файл</source>
        <translation>This is a folder, not a file</translation>
    </message>
    <message>
        <source>В пути вместо папки стоит файл</source>
        <translation>There is a file in the path where a folder should be</translation>
    </message>
    <message>
        <source>Файл больше, чем разрешено записать</source>
        <translation>The file is larger than may be written</translation>
    </message>
    <message>
        <source>Слишком длинное имя файла</source>
        <translation>The file name is too long</translation>
    </message>
    <message>
        <source>Ошибка чтения или записи на диске</source>
        <translation>Error reading or writing the disk</translation>
    </message>
    <message>
        <source>Не хватает памяти</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <source>Системная ошибка %1 (%2)</source>
        <translation>System error %1 (%2)</translation>
    </message>
    <message>
        <source>картинка повреждена и не читается</source>
        <translation>the picture is damaged and cannot be read</translation>
    </message>
    <message>
        <source>файл слишком большой</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>это не обычный файл, а папка, устройство или канал</source>
        <translation>this is not a regular file but a folder, a device or a pipe</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>заголовок группы без «]»</source>
        <translation>group header without &quot;]&quot;</translation>
    </message>
    <message>
        <source>строка не [группа] и не ключ=значение</source>
        <translation>the line is neither [group] nor key=value</translation>
    </message>
    <message>
        <source>Контуры картинки нельзя закрасить</source>
        <translation>Outlines of the picture cannot be painted over</translation>
    </message>
    <message>
        <source>Открывать во весь экран</source>
        <translation>Open full screen</translation>
    </message>
    <message>
        <source>Во весь экран, если окно не помещается на экране</source>
        <translation>Full screen if the window does not fit on the screen</translation>
    </message>
    <message>
        <source>Язык программы</source>
        <translation>Language of the program</translation>
    </message>
    <message>
        <source>Разрешить печать</source>
        <translation>Allow printing</translation>
    </message>
    <message>
        <source>Разрешить сохранение рисунков</source>
        <translation>Allow saving drawings</translation>
    </message>
    <message>
        <source>Разрешить открытие рисунков</source>
        <translation>Allow opening drawings</translation>
    </message>
    <message>
        <source>Рисовать только пером, пальцы не рисуют</source>
        <translation>Draw with a pen only, fingers do not draw</translation>
    </message>
    <message>
        <source>Толщина кисти следует нажиму пера</source>
        <translation>Brush width follows pen pressure</translation>
    </message>
    <message>
        <source>Скрыть указатель мыши</source>
        <translation>Hide the mouse pointer</translation>
    </message>
    <message>
        <source>Папка для рисунков</source>
        <translation>Folder for drawings</translation>
    </message>
    <message>
        <source>Звуки</source>
        <translation>Sounds</translation>
    </message>
    <message>
        <source>Громкость звуков</source>
        <translation>Sound volume</translation>
    </message>
    <message>
        <source>неизвестный ключ</source>
        <translation>unknown key</translation>
    </message>
    <message>
        <source>%1: и ещё ошибок: %2</source>
        <translation>%1: and more errors: %2</translation>
    </message>
    <message>
        <source>%1; файл не учтён</source>
        <translation>%1; the file was ignored</translation>
    </message>
    <message>
        <source>%1:%2: %3; файл не учтён</source>
        <translation>%1:%2: %3; the file was ignored</translation>
    </message>
    <message>
        <source>%1:%2: %3: %4; строка не учтена</source>
        <translation>%1:%2: %3: %4; the line was ignored</translation>
    </message>
    <message>
        <source>запирать ключи может только системный файл</source>
        <translation>only a system file may lock keys</translation>
    </message>
    <message>
        <source>неизвестный ключ «%1»</source>
        <translation>unknown key &quot;%1&quot;</translation>
    </message>
    <message>
        <source>запереть окно настроек может только системный файл</source>
        <translation>only a system file may lock the settings window</translation>
    </message>
    <message>
        <source>«%1» — не true и не false</source>
        <translation>&quot;%1&quot; is neither true nor false</translation>
    </message>
    <message>
        <source>упакованное значение (@…) не бывает настройкой</source>
        <translation>a packed value (@…) is never a setting</translation>
    </message>
    <message>
        <source>«%1» — не код языка вроде en или uk</source>
        <translation>&quot;%1&quot; is not a language code such as en or uk</translation>
    </message>
    <message>
        <source>«%1» — не полный путь к папке</source>
        <translation>&quot;%1&quot; is not a full path to a folder</translation>
    </message>
    <message>
        <source>%1: не учтён, пока не прочитан системный файл</source>
        <translation>%1: ignored until the system file is read</translation>
    </message>
    <message>
        <source>%1: папку не удаётся создать</source>
        <translation>%1: the folder cannot be created</translation>
    </message>
    <message>
        <source>%1: это не обычный файл</source>
        <translation>%1: this is not a regular file</translation>
    </message>
    <message>
        <source>Сколько шагов можно отменить</source>
        <translation>How many steps can be undone</translation>
    </message>
    <message>
        <source>Сохранять рисунки сразу, открывать их из галереи</source>
        <translation>Save drawings at once, open them from the gallery</translation>
    </message>
    <message>
        <source>«%1» — не целое число от %2 до %3</source>
        <translation>&quot;%1&quot; is not a whole number from %2 to %3</translation>
    </message>
</context>
<context>
    <name>settings::AddPlaceDialog</name>
    <message>
        <source>Новое место из фотографии</source>
        <translation>New place from a photograph</translation>
    </message>
    <message>
        <source>Фотография:</source>
        <translation>Photograph:</translation>
    </message>
    <message>
        <source>Картинки (*.jpg *.jpeg *.png *.bmp)</source>
        <translation>Pictures (*.jpg *.jpeg *.png *.bmp)</translation>
    </message>
    <message>
        <source>например, Наша школа</source>
        <translation>for example, Our school</translation>
    </message>
    <message>
        <source>Название:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Описание (можно без него):</source>
        <translation>Description (optional):</translation>
    </message>
    <message>
        <source>Тексты (*.txt *.rtf)</source>
        <translation>Texts (*.txt *.rtf)</translation>
    </message>
    <message>
        <source>Сделать место</source>
        <translation>Make the place</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Выбрать…</source>
        <translation>Choose…</translation>
    </message>
    <message>
        <source>Замена места «%1»</source>
        <translation>Replacing the place &quot;%1&quot;</translation>
    </message>
    <message>
        <source>пусто: фотография и страница останутся прежними</source>
        <translation>empty: the photograph and the page stay as they are</translation>
    </message>
    <message>
        <source>пусто: описание останется прежним</source>
        <translation>empty: the description stays as it is</translation>
    </message>
    <message>
        <source>меньше деталей</source>
        <translation>fewer details</translation>
    </message>
    <message>
        <source>обычно</source>
        <translation>usual</translation>
    </message>
    <message>
        <source>больше деталей</source>
        <translation>more details</translation>
    </message>
    <message>
        <source>Подробность страницы:</source>
        <translation>Page detail:</translation>
    </message>
    <message>
        <source>Страница делается…</source>
        <translation>Making the page…</translation>
    </message>
    <message>
        <source>Так место выглядит сейчас.</source>
        <translation>This is how the place looks now.</translation>
    </message>
    <message>
        <source>%1. Дайте новому месту другое название или замените то место в списке своих мест.</source>
        <translation>%1. Give the new place another name, or replace that place in the list of your places.</translation>
    </message>
    <message>
        <source>Место «%1» готово: %2
Оно уже в ленте раскрасок.</source>
        <translation>The place &quot;%1&quot; is ready: %2
It is already in the strip of pictures.</translation>
    </message>
</context>
<context>
    <name>settings::OwnPlaces</name>
    <message>
        <source>Заменить…</source>
        <translation>Replace…</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Добавить место из фотографии…</source>
        <translation>Add a place from a photograph…</translation>
    </message>
    <message>
        <source>Удалить место</source>
        <translation>Delete the place</translation>
    </message>
    <message>
        <source>Удалить место «%1»? Его страница, фотография и описание будут удалены.</source>
        <translation>Delete the place &quot;%1&quot;? Its page, photograph and description will be deleted.</translation>
    </message>
    <message>
        <source>Оставить</source>
        <translation>Keep</translation>
    </message>
</context>
<context>
    <name>settings::SettingsWindow</name>
    <message>
        <source>Рисование</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>Окно</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Что можно ребёнку</source>
        <translation>What the child may do</translation>
    </message>
    <message>
        <source>Папки</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Места</source>
        <translation>Places</translation>
    </message>
    <message>
        <source>Звуки</source>
        <translation>Sounds</translation>
    </message>
    <message>
        <source>Колоритон: настройки</source>
        <translation>Koloriton: settings</translation>
    </message>
    <message>
        <source>Настройки закрыты администратором: их можно только посмотреть.</source>
        <translation>The administrator has locked the settings: they can only be viewed.</translation>
    </message>
    <message>
        <source>(задано администратором)</source>
        <translation>(set by the administrator)</translation>
    </message>
    <message>
        <source>обычная папка</source>
        <translation>usual folder</translation>
    </message>
    <message>
        <source>Выбрать…</source>
        <translation>Choose…</translation>
    </message>
    <message>
        <source>Сбросить</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Как на компьютере</source>
        <translation>As on this computer</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Папка для рисунков</source>
        <translation>Folder for drawings</translation>
    </message>
    <message>
        <source>Не удалось записать настройки в файл %1 (%2).</source>
        <translation>Could not write the settings to the file %1 (%2).</translation>
    </message>
    <message>
        <source>Сохранение</source>
        <translation>Saving</translation>
    </message>
    <message>
        <source>Перо и сенсорный экран</source>
        <translation>Pen and touch screen</translation>
    </message>
</context>
</TS>
