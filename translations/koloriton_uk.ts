<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ru">
<context>
    <name>app::CommandLine</name>
    <message>
        <source>Показать эту справку.</source>
        <translation>Показати цю довідку.</translation>
    </message>
    <message>
        <source>Сделать из фотографии новое место для раскрашивания в каталоге пользователя (~/.local/share/koloriton/).</source>
        <translation>Зробити з фотографії нове місце для розфарбовування в каталозі користувача (~/.local/share/koloriton/).</translation>
    </message>
    <message>
        <source>фотография</source>
        <translation>фотографія</translation>
    </message>
    <message>
        <source>Название нового места, например &quot;Наша школа&quot;.</source>
        <translation>Назва нового місця, наприклад &quot;Наша школа&quot;.</translation>
    </message>
    <message>
        <source>название</source>
        <translation>назва</translation>
    </message>
    <message>
        <source>Описание места: текст или RTF в UTF-8.</source>
        <translation>Опис місця: текст або RTF в UTF-8.</translation>
    </message>
    <message>
        <source>файл</source>
        <translation>файл</translation>
    </message>
    <message>
        <source>Заменить место с тем же названием.</source>
        <translation>Замінити місце з такою самою назвою.</translation>
    </message>
    <message>
        <source>Открыть окно настроек для взрослых: что можно ребёнку, контуры, папка для рисунков.</source>
        <translation>Відкрити вікно налаштувань для дорослих: що можна дитині, контури, тека для малюнків.</translation>
    </message>
    <message>
        <source>Проверить файлы настроек и вывести каждую ошибку в них; код выхода 1, если ошибки есть.</source>
        <translation>Перевірити файли налаштувань і вивести кожну помилку в них; код виходу 1, якщо помилки є.</translation>
    </message>
    <message>
        <source>Открыть во весь экран (F11 возвращает окно).</source>
        <translation>Відкрити на весь екран (F11 повертає вікно).</translation>
    </message>
    <message>
        <source>Колоритон, раскраска для детей.</source>
        <translation>Колоритон, розмальовка для дітей.</translation>
    </message>
    <message>
        <source>koloriton: неизвестный параметр «%1». Параметры: koloriton --help
</source>
        <translation>koloriton: невідомий параметр «%1». Параметри: koloriton --help
</translation>
    </message>
    <message>
        <source>koloriton: у параметра нет значения. Параметры: koloriton --help
</source>
        <translation>koloriton: у параметра немає значення. Параметри: koloriton --help
</translation>
    </message>
    <message>
        <source>koloriton: лишний аргумент «%1»; название места с пробелами пишут в кавычках
</source>
        <translation>koloriton: зайвий аргумент «%1»; назву місця з пробілами пишуть у лапках
</translation>
    </message>
    <message>
        <source>koloriton: у места нет названия: добавьте --name &quot;Название&quot;
</source>
        <translation>koloriton: у місця немає назви: додайте --name &quot;Назва&quot;
</translation>
    </message>
    <message>
        <source>Место «%1» готово: %2
</source>
        <translation>Місце «%1» готове: %2
</translation>
    </message>
    <message>
        <source>Файлы настроек в порядке.
</source>
        <translation>Файли налаштувань у порядку.
</translation>
    </message>
    <message>
        <source>Сколько областей на странице: меньше (для самых маленьких), обычно или больше.</source>
        <translation>Скільки ділянок на сторінці: менше (для найменших), звичайно або більше.</translation>
    </message>
    <message>
        <source>меньше|обычно|больше</source>
        <translation>менше|звичайно|більше</translation>
    </message>
    <message>
        <source>обычно</source>
        <translation>звичайно</translation>
    </message>
    <message>
        <source>меньше</source>
        <translation>менше</translation>
    </message>
    <message>
        <source>больше</source>
        <translation>більше</translation>
    </message>
    <message>
        <source>koloriton: --detail бывает только %1, а не «%2»
</source>
        <translation>koloriton: --detail буває лише %1, а не «%2»
</translation>
    </message>
    <message>
        <source> (заменить его: --replace)</source>
        <translation> (замінити його: --replace)</translation>
    </message>
</context>
<context>
    <name>app::ExitConfirmation</name>
    <message>
        <source>Выход</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Вы уверены?</source>
        <translation>Ви впевнені?</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>Ні</translation>
    </message>
</context>
<context>
    <name>app::MainWindow</name>
    <message>
        <source>Колоритон</source>
        <translation>Колоритон</translation>
    </message>
    <message>
        <source>Главная</source>
        <translation>Головна</translation>
    </message>
    <message>
        <source>Открыть/загрузить</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Повторити</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>[Выбор базового цвета]</source>
        <translation>[Вибір основного кольору]</translation>
    </message>
    <message>
        <source>[Выбор цвета]</source>
        <translation>[Вибір відтінку]</translation>
    </message>
    <message>
        <source>[Размер кисти 3]</source>
        <translation>[Розмір пензля 3]</translation>
    </message>
    <message>
        <source>[Размер кисти 2]</source>
        <translation>[Розмір пензля 2]</translation>
    </message>
    <message>
        <source>[Размер кисти 1]</source>
        <translation>[Розмір пензля 1]</translation>
    </message>
    <message>
        <source>[Кисть]</source>
        <translation>[Пензель]</translation>
    </message>
    <message>
        <source>[Заливка]</source>
        <translation>[Заливка]</translation>
    </message>
    <message>
        <source>[Вниз]</source>
        <translation>[Униз]</translation>
    </message>
    <message>
        <source>[Вверх]</source>
        <translation>[Угору]</translation>
    </message>
    <message>
        <source>[Стерашка]</source>
        <translation>[Гумка]</translation>
    </message>
    <message>
        <source>[Фотография]</source>
        <translation>[Фотографія]</translation>
    </message>
    <message>
        <source>[Описание]</source>
        <translation>[Опис]</translation>
    </message>
    <message>
        <source>[Пробник цвета]</source>
        <translation>[Піпетка]</translation>
    </message>
    <message>
        <source>[Размер кисти 4]</source>
        <translation>[Розмір пензля 4]</translation>
    </message>
    <message>
        <source>[Нарисовать прямоугольник]</source>
        <translation>[Намалювати прямокутник]</translation>
    </message>
    <message>
        <source>[Нарисовать скругленный прямоугольник]</source>
        <translation>[Намалювати заокруглений прямокутник]</translation>
    </message>
    <message>
        <source>[Нарисовать круг]</source>
        <translation>[Намалювати коло]</translation>
    </message>
    <message>
        <source>[Нарисовать линию]</source>
        <translation>[Намалювати лінію]</translation>
    </message>
    <message>
        <source>[Открыть картинку]</source>
        <translation>[Відкрити малюнок]</translation>
    </message>
    <message>
        <source>[Выход]</source>
        <translation>[Вихід]</translation>
    </message>
    <message>
        <source>[Сохранить]</source>
        <translation>[Зберегти]</translation>
    </message>
    <message>
        <source>[Главная]</source>
        <translation>[Головна]</translation>
    </message>
    <message>
        <source>[Печать]</source>
        <translation>[Друк]</translation>
    </message>
    <message>
        <source>[Сплошная заливка]</source>
        <translation>[Суцільна заливка]</translation>
    </message>
    <message>
        <source>[Горизонтальная заливка]</source>
        <translation>[Горизонтальні смужки]</translation>
    </message>
    <message>
        <source>[Вертикальная заливка]</source>
        <translation>[Вертикальні смужки]</translation>
    </message>
    <message>
        <source>[Заливка с наклоном вправо]</source>
        <translation>[Смужки з нахилом управо]</translation>
    </message>
    <message>
        <source>[Заливка с наклоном влево]</source>
        <translation>[Смужки з нахилом уліво]</translation>
    </message>
    <message>
        <source>[Заливка сеткой]</source>
        <translation>[Заливка сіткою]</translation>
    </message>
    <message>
        <source>[Нарисовать треугольник]</source>
        <translation>[Намалювати трикутник]</translation>
    </message>
    <message>
        <source>[Нарисовать ромб]</source>
        <translation>[Намалювати ромб]</translation>
    </message>
    <message>
        <source>[Отменить последнее действие]</source>
        <translation>[Скасувати останню дію]</translation>
    </message>
    <message>
        <source>[Повторить последнее действие]</source>
        <translation>[Повторити останню дію]</translation>
    </message>
    <message>
        <source>Рисунок восстановлен</source>
        <translation>Малюнок відновлено</translation>
    </message>
</context>
<context>
    <name>app::SaveBeforeLeaving</name>
    <message>
        <source>Сохранить рисунок?</source>
        <translation>Зберегти малюнок?</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>catalogue::GalleryPage</name>
    <message>
        <source>Мои рисунки</source>
        <translation>Мої малюнки</translation>
    </message>
    <message>
        <source>Здесь пока нет рисунков.</source>
        <translation>Тут поки немає малюнків.</translation>
    </message>
    <message>
        <source>Другой файл…</source>
        <translation>Інший файл…</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>core</name>
    <message>
        <source>Растровое изображение (24 бит) (*.bmp)</source>
        <translation>Растрове зображення (24 біти) (*.bmp)</translation>
    </message>
    <message>
        <source>Растровое изображение (*.bmp)</source>
        <translation>Растрове зображення (*.bmp)</translation>
    </message>
</context>
<context>
    <name>formats</name>
    <message>
        <source>файл слишком большой</source>
        <translation>файл завеликий</translation>
    </message>
    <message>
        <source>картинка JPEG слишком большая</source>
        <translation>зображення JPEG завелике</translation>
    </message>
    <message>
        <source>в картинке JPEG слишком много проходов</source>
        <translation>у зображенні JPEG забагато проходів</translation>
    </message>
    <message>
        <source>декодирование JPEG остановлено</source>
        <translation>декодування JPEG зупинено</translation>
    </message>
    <message>
        <source>не хватает памяти для картинки JPEG</source>
        <translation>не вистачає пам&apos;яті для зображення JPEG</translation>
    </message>
    <message>
        <source>файл JPEG повреждён или обрезан</source>
        <translation>файл JPEG пошкоджений або обрізаний</translation>
    </message>
    <message>
        <source>векторные картинки (SVG) не читаются: нужна картинка JPEG, PNG или BMP</source>
        <translation>векторні зображення (SVG) не читаються: потрібне зображення JPEG, PNG або BMP</translation>
    </message>
</context>
<context>
    <name>formats::VersionInfo</name>
    <message>
        <source>разработчик, художник, методист, тестировщик</source>
        <translation>розробник, художник, методист, тестувальник</translation>
    </message>
    <message>
        <source>разрешение не менее 1024х768, мышь</source>
        <translation>роздільність не менше 1024×768, миша</translation>
    </message>
    <message>
        <source>Программа сделана по заказу детской художественной студии к её юбилею.</source>
        <translation>Програму створено на замовлення дитячої художньої студії до її ювілею.</translation>
    </message>
    <message>
        <source>Колоритон</source>
        <translation>Колоритон</translation>
    </message>
</context>
<context>
    <name>history::DrawingFiles</name>
    <message>
        <source>Рисунок</source>
        <translation>Малюнок</translation>
    </message>
    <message>
        <source>Сохранено</source>
        <translation>Збережено</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Колоритон</source>
        <translation>Колоритон</translation>
    </message>
</context>
<context>
    <name>output</name>
    <message>
        <source>Не удалось начать печать: %1</source>
        <translation>Не вдалося почати друк: %1</translation>
    </message>
    <message>
        <source>Не удалось завершить печать: %1</source>
        <translation>Не вдалося завершити друк: %1</translation>
    </message>
    <message>
        <source>Принтер не найден</source>
        <translation>Принтер не знайдено</translation>
    </message>
    <message>
        <source>Принтер недоступен: %1</source>
        <translation>Принтер недоступний: %1</translation>
    </message>
</context>
<context>
    <name>output::AboutBox</name>
    <message>
        <source>Версия: </source>
        <translation>Версія: </translation>
    </message>
    <message>
        <source>Авторы: </source>
        <translation>Автори: </translation>
    </message>
    <message>
        <source>Аппаратные требования: </source>
        <translation>Апаратні вимоги: </translation>
    </message>
    <message>
        <source>Контакты: </source>
        <translation>Контакти: </translation>
    </message>
    <message>
        <source>О программе: %1</source>
        <translation>Про програму: %1</translation>
    </message>
</context>
<context>
    <name>output::HelpAreas</name>
    <message>
        <source>Навигация по картинкам</source>
        <translation>Гортання малюнків</translation>
    </message>
    <message>
        <source>Выбор картинки для раскраски</source>
        <translation>Вибір малюнка для розфарбовування</translation>
    </message>
    <message>
        <source>Отмена и повтор</source>
        <translation>Скасування і повтор</translation>
    </message>
    <message>
        <source>Поле для рисования</source>
        <translation>Поле для малювання</translation>
    </message>
    <message>
        <source>Базовый цвет</source>
        <translation>Основний колір</translation>
    </message>
    <message>
        <source>Дополнительный цвет</source>
        <translation>Додатковий колір</translation>
    </message>
    <message>
        <source>Толщина линии</source>
        <translation>Товщина лінії</translation>
    </message>
    <message>
        <source>Инструменты рисования</source>
        <translation>Інструменти малювання</translation>
    </message>
    <message>
        <source>Штриховка</source>
        <translation>Штрихування</translation>
    </message>
    <message>
        <source>Фигуры</source>
        <translation>Фігури</translation>
    </message>
    <message>
        <source>Фотография и описание</source>
        <translation>Фотографія та опис</translation>
    </message>
    <message>
        <source>Главная</source>
        <translation>Головна</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Вихід</translation>
    </message>
</context>
<context>
    <name>output::HelpWindow</name>
    <message>
        <source>Справка</source>
        <translation>Довідка</translation>
    </message>
</context>
<context>
    <name>output::PrintWindow</name>
    <message>
        <source>Печать работы</source>
        <translation>Друк роботи</translation>
    </message>
    <message>
        <source>Наименование работы</source>
        <translation>Назва роботи</translation>
    </message>
    <message>
        <source>Автор</source>
        <translation>Автор</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Распечатать</source>
        <translation>Надрукувати</translation>
    </message>
</context>
<context>
    <name>places</name>
    <message>
        <source>описание должно быть текстом в кодировке UTF-8</source>
        <translation>опис має бути текстом у кодуванні UTF-8</translation>
    </message>
    <message>
        <source>нет такого файла с описанием</source>
        <translation>немає такого файлу з описом</translation>
    </message>
    <message>
        <source>файл описания не читается или больше 1 МБ</source>
        <translation>файл опису не читається або більший за 1 МБ</translation>
    </message>
    <message>
        <source>описание в каталоге заняло бы %1 КБ, а программа читает описания не больше %2 КБ: сократите текст</source>
        <translation>опис у каталозі зайняв би %1 КБ, а програма читає описи не більші за %2 КБ: скоротіть текст</translation>
    </message>
    <message>
        <source>нет такого файла</source>
        <translation>немає такого файлу</translation>
    </message>
    <message>
        <source>это не файл с картинкой</source>
        <translation>це не файл із зображенням</translation>
    </message>
    <message>
        <source>файл слишком большой для фотографии (больше 128 МБ)</source>
        <translation>файл завеликий для фотографії (більше 128 МБ)</translation>
    </message>
    <message>
        <source>файл не читается (%1)</source>
        <translation>файл не читається (%1)</translation>
    </message>
    <message>
        <source>это не картинка (годятся JPEG, PNG и BMP)</source>
        <translation>це не зображення (підходять JPEG, PNG і BMP)</translation>
    </message>
    <message>
        <source>картинка слишком большая: %1 × %2 точек, можно не больше %3 миллионов</source>
        <translation>зображення завелике: %1 × %2 точок, можна не більше %3 мільйонів</translation>
    </message>
    <message>
        <source>файл JPEG повреждён или обрезан</source>
        <translation>файл JPEG пошкоджений або обрізаний</translation>
    </message>
    <message>
        <source>картинка повреждена и не читается</source>
        <translation>зображення пошкоджене й не читається</translation>
    </message>
    <message>
        <source>файл не записывается</source>
        <translation>файл не записується</translation>
    </message>
    <message>
        <source>папку не удаётся создать</source>
        <translation>теку не вдається створити</translation>
    </message>
    <message>
        <source>папка не открывается</source>
        <translation>тека не відкривається</translation>
    </message>
    <message>
        <source>папку не удаётся занять</source>
        <translation>теку не вдається зайняти</translation>
    </message>
    <message>
        <source>файл не удаётся поставить на место</source>
        <translation>файл не вдається поставити на місце</translation>
    </message>
    <message>
        <source>в папку нельзя записать</source>
        <translation>у теку не можна записати</translation>
    </message>
    <message>
        <source>на месте файла стоит папка; место оставлено как было</source>
        <translation>на місці файлу є тека; місце залишено як було</translation>
    </message>
    <message>
        <source>Миниатюра</source>
        <translation>Мініатюра</translation>
    </message>
    <message>
        <source>не удаётся сжать в JPEG (%1)</source>
        <translation>не вдається стиснути в JPEG (%1)</translation>
    </message>
    <message>
        <source>Название места</source>
        <translation>Назва місця</translation>
    </message>
    <message>
        <source>оно пустое</source>
        <translation>вона порожня</translation>
    </message>
    <message>
        <source>в названии места не может быть косой черты «/»</source>
        <translation>у назві місця не може бути скісної риски «/»</translation>
    </message>
    <message>
        <source>в названии места не может быть точки</source>
        <translation>у назві місця не може бути крапки</translation>
    </message>
    <message>
        <source>в названии места не может быть управляющих знаков</source>
        <translation>у назві місця не може бути керівних символів</translation>
    </message>
    <message>
        <source>файловая система не может сохранить такое название</source>
        <translation>файлова система не може зберегти таку назву</translation>
    </message>
    <message>
        <source>название места слишком длинное для файловой системы</source>
        <translation>назва місця задовга для файлової системи</translation>
    </message>
    <message>
        <source>на этой фотографии почти нечего раскрашивать: получилось бы %1 областей, а нужно хотя бы %2. Так бывает, когда фотография однотонная, размытая, снята в тумане или темноте или покрыта шумом. Попробуйте чёткую фотографию при хорошем свете, где предмет снят крупно</source>
        <translation>на цій фотографії майже нічого розфарбовувати: вийшло б %1 ділянок, а потрібно щонайменше %2. Так буває, коли фотографія однотонна, розмита, знята в тумані чи темряві або вкрита шумом. Спробуйте чітку фотографію при доброму світлі, де предмет знято великим планом</translation>
    </message>
    <message>
        <source>такого места больше нет</source>
        <translation>такого місця більше немає</translation>
    </message>
    <message>
        <source>место с таким названием уже есть</source>
        <translation>місце з такою назвою вже є</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>Непредвиденная ошибка</source>
        <translation>Непередбачена помилка</translation>
    </message>
    <message>
        <source>картинка BMP повреждена или обрезана (%1)</source>
        <translation>зображення BMP пошкоджене або обрізане (%1)</translation>
    </message>
    <message>
        <source>картинка слишком большая</source>
        <translation>зображення завелике</translation>
    </message>
    <message>
        <source>Диск заполнен: освободите место и попробуйте снова</source>
        <translation>Диск заповнений: звільніть місце і спробуйте знову</translation>
    </message>
    <message>
        <source>Место на диске, отведённое пользователю, закончилось</source>
        <translation>Місце на диску, відведене користувачеві, закінчилося</translation>
    </message>
    <message>
        <source>Диск только для чтения: на него нельзя записать</source>
        <translation>Диск лише для читання: на нього не можна записати</translation>
    </message>
    <message>
        <source>Нет доступа к файлу</source>
        <translation>Немає доступу до файлу</translation>
    </message>
    <message>
        <source>Нет такого файла или папки</source>
        <translation>Немає такого файлу або теки</translation>
    </message>
    <message>
        <source>Это папка, а не файл</source>
        <translation>Це тека, а не файл</translation>
    </message>
    <message>
        <source>В пути вместо папки стоит файл</source>
        <translation>У шляху замість теки стоїть файл</translation>
    </message>
    <message>
        <source>Файл больше, чем разрешено записать</source>
        <translation>Файл більший, ніж дозволено записати</translation>
    </message>
    <message>
        <source>Слишком длинное имя файла</source>
        <translation>Задовге ім&apos;я файлу</translation>
    </message>
    <message>
        <source>Ошибка чтения или записи на диске</source>
        <translation>Помилка читання або запису на диску</translation>
    </message>
    <message>
        <source>Не хватает памяти</source>
        <translation>Не вистачає пам&apos;яті</translation>
    </message>
    <message>
        <source>Системная ошибка %1 (%2)</source>
        <translation>Системна помилка %1 (%2)</translation>
    </message>
    <message>
        <source>картинка повреждена и не читается</source>
        <translation>зображення пошкоджене й не читається</translation>
    </message>
    <message>
        <source>файл слишком большой</source>
        <translation>файл завеликий</translation>
    </message>
    <message>
        <source>это не обычный файл, а папка, устройство или канал</source>
        <translation>це не звичайний файл, а тека, пристрій або канал</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>заголовок группы без «]»</source>
        <translation>заголовок групи без «]»</translation>
    </message>
    <message>
        <source>строка не [группа] и не ключ=значение</source>
        <translation>рядок не [група] і не ключ=значення</translation>
    </message>
    <message>
        <source>Контуры картинки нельзя закрасить</source>
        <translation>Контури малюнка не можна зафарбувати</translation>
    </message>
    <message>
        <source>Открывать во весь экран</source>
        <translation>Відкривати на весь екран</translation>
    </message>
    <message>
        <source>Во весь экран, если окно не помещается на экране</source>
        <translation>На весь екран, якщо вікно не вміщається на екрані</translation>
    </message>
    <message>
        <source>Язык программы</source>
        <translation>Мова програми</translation>
    </message>
    <message>
        <source>Разрешить печать</source>
        <translation>Дозволити друк</translation>
    </message>
    <message>
        <source>Разрешить сохранение рисунков</source>
        <translation>Дозволити збереження малюнків</translation>
    </message>
    <message>
        <source>Разрешить открытие рисунков</source>
        <translation>Дозволити відкриття малюнків</translation>
    </message>
    <message>
        <source>Рисовать только пером, пальцы не рисуют</source>
        <translation>Малювати лише пером, пальці не малюють</translation>
    </message>
    <message>
        <source>Толщина кисти следует нажиму пера</source>
        <translation>Товщина пензля залежить від натиску пера</translation>
    </message>
    <message>
        <source>Скрыть указатель мыши</source>
        <translation>Приховати вказівник миші</translation>
    </message>
    <message>
        <source>Папка для рисунков</source>
        <translation>Тека для малюнків</translation>
    </message>
    <message>
        <source>Звуки</source>
        <translation>Звуки</translation>
    </message>
    <message>
        <source>Громкость звуков</source>
        <translation>Гучність звуків</translation>
    </message>
    <message>
        <source>неизвестный ключ</source>
        <translation>невідомий ключ</translation>
    </message>
    <message>
        <source>%1: и ещё ошибок: %2</source>
        <translation>%1: і ще помилок: %2</translation>
    </message>
    <message>
        <source>%1; файл не учтён</source>
        <translation>%1; файл не враховано</translation>
    </message>
    <message>
        <source>%1:%2: %3; файл не учтён</source>
        <translation>%1:%2: %3; файл не враховано</translation>
    </message>
    <message>
        <source>%1:%2: %3: %4; строка не учтена</source>
        <translation>%1:%2: %3: %4; рядок не враховано</translation>
    </message>
    <message>
        <source>запирать ключи может только системный файл</source>
        <translation>блокувати ключі може лише системний файл</translation>
    </message>
    <message>
        <source>неизвестный ключ «%1»</source>
        <translation>невідомий ключ «%1»</translation>
    </message>
    <message>
        <source>запереть окно настроек может только системный файл</source>
        <translation>заблокувати вікно налаштувань може лише системний файл</translation>
    </message>
    <message>
        <source>«%1» — не true и не false</source>
        <translation>«%1» — не true і не false</translation>
    </message>
    <message>
        <source>упакованное значение (@…) не бывает настройкой</source>
        <translation>упаковане значення (@…) не буває налаштуванням</translation>
    </message>
    <message>
        <source>«%1» — не код языка вроде en или uk</source>
        <translation>«%1» — не код мови на кшталт en або uk</translation>
    </message>
    <message>
        <source>«%1» — не полный путь к папке</source>
        <translation>«%1» — не повний шлях до теки</translation>
    </message>
    <message>
        <source>%1: не учтён, пока не прочитан системный файл</source>
        <translation>%1: не враховано, доки не прочитано системний файл</translation>
    </message>
    <message>
        <source>%1: папку не удаётся создать</source>
        <translation>%1: теку не вдається створити</translation>
    </message>
    <message>
        <source>%1: это не обычный файл</source>
        <translation>%1: це не звичайний файл</translation>
    </message>
    <message>
        <source>Сколько шагов можно отменить</source>
        <translation>Скільки кроків можна скасувати</translation>
    </message>
    <message>
        <source>Сохранять рисунки сразу, открывать их из галереи</source>
        <translation>Зберігати малюнки одразу, відкривати їх із галереї</translation>
    </message>
    <message>
        <source>«%1» — не целое число от %2 до %3</source>
        <translation>«%1» — не ціле число від %2 до %3</translation>
    </message>
</context>
<context>
    <name>settings::AddPlaceDialog</name>
    <message>
        <source>Новое место из фотографии</source>
        <translation>Нове місце з фотографії</translation>
    </message>
    <message>
        <source>Фотография:</source>
        <translation>Фотографія:</translation>
    </message>
    <message>
        <source>Картинки (*.jpg *.jpeg *.png *.bmp)</source>
        <translation>Зображення (*.jpg *.jpeg *.png *.bmp)</translation>
    </message>
    <message>
        <source>например, Наша школа</source>
        <translation>наприклад, Наша школа</translation>
    </message>
    <message>
        <source>Название:</source>
        <translation>Назва:</translation>
    </message>
    <message>
        <source>Описание (можно без него):</source>
        <translation>Опис (можна без нього):</translation>
    </message>
    <message>
        <source>Тексты (*.txt *.rtf)</source>
        <translation>Тексти (*.txt *.rtf)</translation>
    </message>
    <message>
        <source>Сделать место</source>
        <translation>Зробити місце</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Выбрать…</source>
        <translation>Вибрати…</translation>
    </message>
    <message>
        <source>Замена места «%1»</source>
        <translation>Заміна місця «%1»</translation>
    </message>
    <message>
        <source>пусто: фотография и страница останутся прежними</source>
        <translation>порожньо: фотографія і сторінка залишаться такими, як були</translation>
    </message>
    <message>
        <source>пусто: описание останется прежним</source>
        <translation>порожньо: опис залишиться таким, як був</translation>
    </message>
    <message>
        <source>меньше деталей</source>
        <translation>менше деталей</translation>
    </message>
    <message>
        <source>обычно</source>
        <translation>звичайно</translation>
    </message>
    <message>
        <source>больше деталей</source>
        <translation>більше деталей</translation>
    </message>
    <message>
        <source>Подробность страницы:</source>
        <translation>Докладність сторінки:</translation>
    </message>
    <message>
        <source>Страница делается…</source>
        <translation>Сторінка створюється…</translation>
    </message>
    <message>
        <source>Так место выглядит сейчас.</source>
        <translation>Так місце виглядає зараз.</translation>
    </message>
    <message>
        <source>%1. Дайте новому месту другое название или замените то место в списке своих мест.</source>
        <translation>%1. Дайте новому місцю іншу назву або замініть те місце в списку своїх місць.</translation>
    </message>
    <message>
        <source>Место «%1» готово: %2
Оно уже в ленте раскрасок.</source>
        <translation>Місце «%1» готове: %2
Воно вже у стрічці розмальовок.</translation>
    </message>
</context>
<context>
    <name>settings::OwnPlaces</name>
    <message>
        <source>Заменить…</source>
        <translation>Замінити…</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Добавить место из фотографии…</source>
        <translation>Додати місце з фотографії…</translation>
    </message>
    <message>
        <source>Удалить место</source>
        <translation>Видалити місце</translation>
    </message>
    <message>
        <source>Удалить место «%1»? Его страница, фотография и описание будут удалены.</source>
        <translation>Видалити місце «%1»? Його сторінку, фотографію та опис буде видалено.</translation>
    </message>
    <message>
        <source>Оставить</source>
        <translation>Залишити</translation>
    </message>
</context>
<context>
    <name>settings::SettingsWindow</name>
    <message>
        <source>Рисование</source>
        <translation>Малювання</translation>
    </message>
    <message>
        <source>Окно</source>
        <translation>Вікно</translation>
    </message>
    <message>
        <source>Что можно ребёнку</source>
        <translation>Що можна дитині</translation>
    </message>
    <message>
        <source>Папки</source>
        <translation>Теки</translation>
    </message>
    <message>
        <source>Места</source>
        <translation>Місця</translation>
    </message>
    <message>
        <source>Звуки</source>
        <translation>Звуки</translation>
    </message>
    <message>
        <source>Колоритон: настройки</source>
        <translation>Колоритон: налаштування</translation>
    </message>
    <message>
        <source>Настройки закрыты администратором: их можно только посмотреть.</source>
        <translation>Налаштування закрито адміністратором: їх можна лише переглянути.</translation>
    </message>
    <message>
        <source>(задано администратором)</source>
        <translation>(задано адміністратором)</translation>
    </message>
    <message>
        <source>обычная папка</source>
        <translation>звичайна тека</translation>
    </message>
    <message>
        <source>Выбрать…</source>
        <translation>Вибрати…</translation>
    </message>
    <message>
        <source>Сбросить</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Как на компьютере</source>
        <translation>Як на комп&apos;ютері</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Папка для рисунков</source>
        <translation>Тека для малюнків</translation>
    </message>
    <message>
        <source>Не удалось записать настройки в файл %1 (%2).</source>
        <translation>Не вдалося записати налаштування у файл %1 (%2).</translation>
    </message>
    <message>
        <source>Сохранение</source>
        <translation>Збереження</translation>
    </message>
    <message>
        <source>Перо и сенсорный экран</source>
        <translation>Перо й сенсорний екран</translation>
    </message>
</context>
</TS>
