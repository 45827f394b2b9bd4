<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG" sourcelanguage="bg_BG">
<context>
    <name>AssignmentWindow</name>
    <message>
        <source>решена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>опитана, още не е решена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>незапочната</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задание:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подсказки:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подсказки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зада&amp;чи:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задачи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задачите на заданието: ✓ решена, ✗ опитана, – незапочната</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отго&amp;вор:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отговор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>О&amp;тговори</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Избраният закон или грешка е отговорът</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Започни</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отваря прозореца, в който се решава избраната задача</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запази &amp;отговорите</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записва отговорите в един файл за учителя (Ctrl+S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Печат…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отпечатва листа със задачите (Ctrl+P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запази &amp;листа…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записва листа със задачите като PDF или HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резултат:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резултат</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задание – %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>разрешени</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>забранени: бутоните за подсказка и решение не работят</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Решени: %1 от %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ученик: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Има незапазени промени.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отговорите в „%1“ са на задание, което не е в същата папка. Изберете файла на заданието.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отвори задание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задания (*.txt);;Всички файлове (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ не е задание: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отговорите в „%1“ са на друго задание.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отговорите в „%1“ не могат да се продължат: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отговорите не са записани в „%1“: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запази отговорите</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Твоето име:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>отговори – %1.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отговори (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Печат</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запази листа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Да се запазят ли отговорите преди затварянето?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChainOutput</name>
    <message>
        <source>Запази извеждането</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Печат</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Текст за --check (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>извеждане.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>извеждането не е записано в „%1“: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Показва тази помощ и излиза.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показва версията и излиза.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ иска стойност; вижте „%2 --help“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>непознат аргумент „%1“; вижте „%2 --help“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ е дадена два пъти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ и „%2“ не могат да се дадат заедно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ не може да се даде заедно с „%2“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ се дава само с „%2“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отпечатва доказателството на закон N (от 1 до 21), както го показва прозорецът, за всички стойности на A, B (и C) подред.
Пример: boolean-laws --proof 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>С --proof: само за тези стойности на A, B (и C), по една цифра 0 или 1 за всяка променлива на закона.
Пример: boolean-laws --proof 7 --values 101</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЦИФРИ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>няма закон „%1“: номерът е от 1 до 21</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>закон %1 иска %2 цифри 0 или 1 (за %3), а не „%4“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A и B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A, B и C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записва лист с формулата, таблицата на истинност и всички доказателства на закон N или на всички закони (all).
Пример: boolean-laws --sheet all --output закони.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ФАЙЛ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„--sheet“ иска и „--output ФАЙЛ“ (.pdf или .html)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„--sheet“ иска номер на закон от 1 до 21 или „all“, а не „%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файлът „%1“ трябва да завършва на .pdf или .html</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отпечатва картата на Карно на формулата F (от 2 до 4 променливи) и минималните ѝ ДНФ и КНФ; за формула с „=“ – картите на двете страни и дали съвпадат.
Пример: boolean-laws --kmap A^BvC^D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Езикът на отговорите и на прозореца само за това пускане: bg (български, по подразбиране) или en (английски).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЕЗИК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>непознат език „%1“: --language е bg (български) или en (English)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>няма файл „%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ е папка, а не файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файлът „%1“ не може да се прочете: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверява извеждане от файла ФАЙЛ (или от стандартния вход при „-“): по една формула на ред, по желание със закона в скоби накрая („  [Закон на де Морган]“); празните редове и редовете с # се прескачат. За всяка стъпка отпечатва номера на реда и присъдата, накрая „Верни стъпки: N от M“.
Пример: boolean-laws --check домашно.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“, ред %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Верни стъпки: %1 от %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в границите на търсенето не е намерено извеждане</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„--derive“ иска две формули с „=“ между тях (F = G) или номер на закон от 1 до 21, а не „%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„--simplify“ иска една формула без „=“, а не „%1“; за две формули вижте „--derive“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Извежда G от F стъпка по стъпка, всяка стъпка с името на закона си; с номер N (от 1 до 21) – дясната страна на закон N от лявата само с четиринадесетте основни закона.
Пример: boolean-laws --derive &apos;A v A ^ B = A&apos;
Пример: boolean-laws --derive 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Опростява формулата F стъпка по стъпка до минимална ДНФ (с най-малко литерали) или до 0 или 1, всяка стъпка с името на закона си.
Пример: boolean-laws --simplify &apos;A v A ^ B&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимална ДНФ: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задава упражнение от вида ВИД (prove, simplify, table, map или law; също докажи, опрости, таблица, карта, закон) на нивото, дадено с --level, и отпечатва задачата и семето ѝ.
Пример: boolean-laws --exercise prove --level easy --seed 7 --answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ВИД</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Само с --exercise: нивото, easy, medium или hard (също лесно, средно, трудно).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>НИВО</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Само с --exercise: семето, цяло число от 0 до 2147483647; едно семе дава едно и също упражнение. Без него семето е случайно.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Само с --exercise: отпечатва и отговора на програмата.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>непознат вид упражнение „%1“: видът е prove, simplify, table, map или law</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„--exercise“ иска и „--level“ (easy, medium или hard)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>непознато ниво „%1“: нивото е easy, medium или hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>семето е цяло число от 0 до 2147483647, а не „%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>от семе %1 нататък не е намерено упражнение в границите на търсенето</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Семе: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ученик</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>общо</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 от %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>подсказки!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>задача %1: решили %2, опитали %3, най-честа грешка: %4, големи стъпки: %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оценява файловете с отговори, дадени след заданието ЗАДАНИЕ, като проверява наново всяка задача: за всеки ученик ред с ✓ (решена), ✗ (опитана) и – (недокосната) и броя решени, после по ред за всяка задача. С --output ФАЙЛ.csv записва и таблица CSV.
Пример: boolean-laws --grade задание.txt отговори/*.txt --output оценки.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЗАДАНИЕ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„--grade“ иска след заданието поне един файл с отговори</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“: отговорите са на друго задание, не на „%2“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файлът „%1“ не може да се запише: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>С --sheet: файлът на листа, PDF (A4) или HTML според окончанието .pdf или .html. С --grade: таблицата с оценките, CSV.
Пример: boolean-laws --sheet 3 --output закон-3.html</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Само с --sheet ЗАДАНИЕ: листът с отговорите на задачите вместо празния лист за решаване.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„--key“ се дава само с „--sheet ЗАДАНИЕ“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Теореми и тъждества в булевата алгебра.
Изберете закон и стойностите 0/1 на A, B (и C): програмата записва формулата
на закона и пресмята двете му страни стъпка по стъпка, ред по ред.
Без аргументи отваря един прозорец; --proof и --sheet работят и без дисплей.
boolean-laws ФАЙЛ отваря в прозореца задание или отговори по задание;
boolean-laws ЗАДАНИЕ ОТГОВОРИ продължава отговорите по заданието.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ се дава само с „%2“ или „%3“</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DerivationChain</name>
    <message>
        <source># Извеждане; цел: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Извеждане: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цел: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DerivationOpening</name>
    <message>
        <source>Извеждане…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DerivationTasks</name>
    <message>
        <source>минимална форма</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Грешка на позиция %1: стъпката е една формула, без второ „=“</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DerivationWindow</name>
    <message>
        <source>Търсене… Escape го прекъсва.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цел</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Формулата, до която трябва да стигне извеждането</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Цел:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стъпки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Началната формула и всяка приета стъпка със своя закон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>С&amp;тъпки:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Следваща стъпка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напишете следващата формула; Enter я проверява</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Следваща стъпка:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Законът, който прилагате (по желание)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>—</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Закон:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Какво показа проверката на последната стъпка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прове&amp;рка:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Подсказка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Следващият закон, после къде, после самата формула (Ctrl+H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Покажи &amp;извеждане</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цялото извеждане до целта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Отмени стъпка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Маха последната стъпка; началната формула остава (Ctrl+Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отна&amp;чало</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обратно към началната формула</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>От таб&amp;лицата</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Извеждане на формулата от прозореца с таблицата</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запази извеждането…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Печат…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Извеждане – %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напишете следващата формула и натиснете Enter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подсказка: целта е достигната.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подсказка: целта не е равносилна на последната формула: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подсказка: в границите на търсенето не е намерено извеждане до целта.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подсказка: следващият закон е %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подсказка: %1 се прилага към %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подсказка: следващата формула е в полето; Enter я проверява.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Целта не е равносилна на последната формула: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В границите на търсенето не е намерено извеждане до целта.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Началната формула остава; няма стъпка за отмяна.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Търсенето е прекъснато.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExerciseWindow</name>
    <message>
        <source>Минимална ДНФ: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Упражнения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Вид:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Смесено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ново</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ново упражнение от същия вид и ниво (Ctrl+N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Започни</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отваря прозореца, в който се решава задачата</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Покажи &amp;решение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показва решението на програмата; задачата не се брои за решена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Отговор:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>О&amp;тговори</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Избраният закон или грешка е отговорът</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резултат:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задача</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отговор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напредък</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Н&amp;улирай</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Изчиства напредъка след потвърждение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Няма упражнение от това семе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Семе: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Още не е решена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не е „%1“: опитайте пак</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Решена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Решението е показано</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нулирай напредъка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Да се изчисти ли целият напредък?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Упражнения…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Н&amp;иво:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>За&amp;дача:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>На&amp;предък (решени / опитани / подсказки):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2: решени %3, опитани %4, подсказки %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задачи в него: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заданието не е записано в „%1“: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запази заданието</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заглавие на заданието:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Домашна работа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Да могат ли учениците да ползват подсказки?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задания (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отвори задание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задания и отговори (*.txt);;Всички файлове (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ново задание:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ново задание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Колко задачи има в заданието, което се съставя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Добави към заданието</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Добавя показаното упражнение, с нивото и семето му, към заданието, което се съставя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запази заданието…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записва съставеното задание във файл за учениците</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отвори задание…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отваря задание от учителя или запазени отговори по него</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormulaMessages</name>
    <message>
        <source>празна формула</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>празна лява страна преди „=“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>празна дясна страна след „=“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>очаква се променлива (A, B, C, …, Z), 0, 1, „!“ или „(“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>очаква се оператор (^, v, Xor, -&gt;, &lt;--&gt;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>очаква се оператор (^, v, Xor, -&gt;, &lt;--&gt;) или „=“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>очаква се оператор (^, v, Xor, -&gt;, &lt;--&gt;) или „)“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>очаква се „)“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„)“ няма своя „(“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>второ „=“ не е позволено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>очаква се „-&gt;“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>очаква се „&lt;--&gt;“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>непознат знак %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>формулата е по-дълга от %1 знака</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 е седма променлива, а една формула може да има най-много %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Грешка на позиция %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GradeTexts</name>
    <message>
        <source>Вярно: минимално покритие</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Група %1 има %n клетки, а група може да има само 1, 2, 4, 8 или 16 клетки.</source>
        <translation>
            <numerusform>Група %1 има %n клетка, а група може да има само 1, 2, 4, 8 или 16 клетки.</numerusform>
            <numerusform>Група %1 има %n клетки, а група може да има само 1, 2, 4, 8 или 16 клетки.</numerusform>
        </translation>
    </message>
    <message>
        <source>Група %1 (%2) съдържа 0 в клетка %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Група %1 (%2) не е възможно най-голямата: може да се разшири до %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Група %1 (%2) е излишна: клетките ѝ са покрити от другите групи.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Единицата в клетка %1 не е покрита.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n единици не са покрити; първата е в клетка %1.</source>
        <translation>
            <numerusform>%n единица не е покрита; тя е в клетка %1.</numerusform>
            <numerusform>%n единици не са покрити; първата е в клетка %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Групите са %1, а са достатъчни %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n клетки</source>
        <translation>
            <numerusform>%n клетка</numerusform>
            <numerusform>%n клетки</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. %2 — не е група от 1, 2, 4, 8 или 16 клетки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2 — съдържа 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2 — не е възможно най-голямата</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2 — излишна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2 — вярно</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Homework</name>
    <message>
        <source>няма файл „%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ е папка, а не файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файлът „%1“ не може да се прочете: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файлът „%1“ е по-голям от 1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ред %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>заданието е празно: няма ред „задание: &lt;заглавие&gt;“ и няма задачи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>първият ред трябва да е „задание: &lt;заглавие&gt;“, а не „%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>заданието няма заглавие след „задание:“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>непознат вид задача „%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1:“ стои само преди задачите</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>подсказките са „да“ или „не“, а не „%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>задачата „докажи“ иска две страни с „=“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>тази задача иска една формула, без „=“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>задачата „закон“ иска една стъпка „F → G“ (или „F =&gt; G“)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“: нивото е лесно, средно или трудно, а семето цяло число от 0 до 2147483647</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>двете страни не са равни, така че няма доказателство</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>картата иска от 2 до 4 променливи, а формулата има %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>програмата не може да реши сама тази задача</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>заданието няма нито една задача</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файлът е по-голям от 1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файлът не е текст в UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>липсва редът „%1:“ от началото на файла с отговори</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>редът „%1:“ не е на мястото си</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>няма задача „%1“ след предишната в заданието</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>подсказките са брой, а не „%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>редът „%1“ не е част от решението на задачата</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Inf_Tarvisko</name>
    <message>
        <source>Описание на програмата</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Списък на законите</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стойност на A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стойност на B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стойност на C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Доказателство</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Брой на променливите</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имена на законите</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Формули на законите</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>https://boolean-laws.example  Теореми и тъждества в булевата алгебра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Информатика - таблица на истинност за Tarvisko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Булевата алгебра (алгебра на съжденията) е дефинирана от ирландския математик Велмарин с цел да се използват алгебрични методи в логиката.  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Да се реализира проект за проверка таблицата на истинност за отделни булеви закони, тъждества и функции. Проверката се осъществява за всяка допустима комбинация стойности на входните параметри.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В проекта са реализирани:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>закони за:  слепване,  поглъщане, съкращаване (де Морган),  преместване, диструбутивен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>теореми за: асоциативност, близост, консенсус,опростяването</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>функции:  Xor - сума по модул 2, импликация, равнозначност</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Потребителят осъществява проверка на верността Tarvisko и тъждества като посочва стойностите на булевите променливи и автоматично се генерира съответния терм (ред от таблицата за истинност) с избраните стойности. На всеки отделен ред се извършват постепенно съответните действия върху булевите променливи. Последният ред от доказателството представлява равни стойности от двете страни на равенството.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Използвани означения:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! - отрицание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>^ - логическо умножение, AND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>v - логическа сума, Или, OR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xor - изключващо Или, сума по модул 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Описание на алгоритъма</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvisko и тъждества</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Булева променлива</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стойност за булева променлива</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KarnaughMapModel</name>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KarnaughSheet</name>
    <message>
        <source>Лява страна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дясна страна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стойност</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимална ДНФ: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимална КНФ: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Картите съвпадат</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Картите се различават</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KarnaughTexts</name>
    <message numerus="yes">
        <source>Карта на Карно има само за формули с 2 до 4 променливи, а тази формула има %n.</source>
        <translation>
            <numerusform>Карта на Карно има само за формули с 2 до 4 променливи, а тази формула има %n.</numerusform>
            <numerusform>Карта на Карно има само за формули с 2 до 4 променливи, а тази формула има %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Минимална ДНФ: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимална КНФ: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лява страна:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дясна страна:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Картите съвпадат</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Картите се различават</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KarnaughWindow</name>
    <message>
        <source>Формула</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Формулата, чиито карти се виждат: тази от таблицата на истинност, ако там е въведена своя, иначе формулата на избрания закон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Формула:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дясна страна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Картата на дясната страна на формулата</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сравнение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дали картите на двете страни са една и съща картина</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сравнение:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимална ДНФ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минималната дизюнктивна нормална форма: сума от произведения с най-малко литерали</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимална ДНФ:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимална КНФ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минималната конюнктивна нормална форма: произведение от суми с най-малко литерали</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимална КНФ:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Групи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Групите на минималната ДНФ, по едно произведение на ред</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Групи:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Твоите групи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Групите, които си очертал, по едно произведение на ред, с оценката им след проверка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Твоите групи:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Друго покритие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показва следващото минимално покритие, когато има няколко</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Групирай сам</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скрива групите и минималните форми, за да очертаеш групите сам (Ctrl+G)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Провери</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверява очертаните групи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Извод</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Какво показват картите, или оценката на очертаните групи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Извод:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Карта на Карно – %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лява страна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стойност</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Картата на лявата страна на формулата</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Картата на стойността на формулата</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Картите съвпадат</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Картите се различават</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимално покритие %1 от %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очертай групите на лявата карта с мишката или с клавишите и натисни „Провери“.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очертай групите на картата с мишката или с клавишите и натисни „Провери“.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Карта на Карно…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>български</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Език / Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProofSheet</name>
    <message>
        <source>стр. %1 от %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>там има папка със същото име</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>папката „%1“ не съществува</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>листът не е записан в „%1“: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Булеви закони: доказателства</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файлът не може да се запише</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>листът не е отпечатан на „%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Избраният закон (%1: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Всички %n закона</source>
        <translation>
            <numerusform>Всички %n закона</numerusform>
            <numerusform>Всички %n закона</numerusform>
        </translation>
    </message>
    <message>
        <source>Кои закони да има листът:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запази лист с доказателства</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>закон-%1.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>закони.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Печат</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запази лист с доказателства…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Печат…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лява страна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дясна страна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Формула: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таблица на истинност</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Доказателства</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Карта на Карно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задача %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимална ДНФ: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Законът: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Законът:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отговори</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TruthTableWindow</name>
    <message>
        <source>Не е тъждество: страните се различават на 1 от 1 ред (отбелязани с ✗).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не е тъждество: формулата е невярна на 1 от 1 ред (отбелязани с ✗).</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Не е тъждество: страните се различават на %1 от %n реда (отбелязани с ✗).</source>
        <translation>
            <numerusform>Не е тъждество: страните се различават на %1 от %n ред (отбелязани с ✗).</numerusform>
            <numerusform>Не е тъждество: страните се различават на %1 от %n реда (отбелязани с ✗).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Не е тъждество: формулата е невярна на %1 от %n реда (отбелязани с ✗).</source>
        <translation>
            <numerusform>Не е тъждество: формулата е невярна на %1 от %n ред (отбелязани с ✗).</numerusform>
            <numerusform>Не е тъждество: формулата е невярна на %1 от %n реда (отбелязани с ✗).</numerusform>
        </translation>
    </message>
    <message>
        <source>Таблица на истинност</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Таблица на истинност</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>собствена формула</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Формула:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Формула</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Формулата на избрания закон. Променете я, за да видите таблицата на своя формула; Escape връща формулата на закона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Всички стойности на променливите, по един ред; изберете ред, за да видите доказателството за него</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лява страна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дясна страна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стойност</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>страните се различават</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>формулата е невярна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Извод:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Извод</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дали двете страни съвпадат на всеки ред</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тъждество: двете страни съвпадат на всеки ред.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тъждество: формулата е вярна на всеки ред.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Провери &amp;се</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Провери се</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Упражнение: предскажете стойностите на страните, преди да ги видите (Ctrl+E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Провери</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Провери</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отбелязва всяка попълнена клетка като вярна или грешна (Enter в таблицата)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Покажи &amp;отговорите</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Покажи отговорите</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показва верните стойности до вашите отговори</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отна&amp;чало</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отначало</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Изчиства всички отговори</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Попълнете %1 клетки: 0 и 1 пишат, интервал сменя, Delete изтрива; Enter проверява.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Верни: %1 от %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (вярно: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не е попълнена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>попълнена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вярно ✓</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>грешно ✗</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; верният отговор е %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Формулата на &amp;закона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Формулата на закона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Връща в полето формулата на избрания закон (Escape в полето)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Грешка на позиция 1000: очаква се променлива (A, B, C), 0, 1, „!“ или „(“</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VerdictText</name>
    <message>
        <source>при %1: преди %2, след %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вярно: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вярно, но законът е %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>без промяна: формулата е същата</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>голяма стъпка: равносилно, но не с до три закона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>голяма стъпка: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>честа грешка: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>невярно: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>готово: %n стъпки</source>
        <translation>
            <numerusform>готово: %n стъпка</numerusform>
            <numerusform>готово: %n стъпки</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>catalogue</name>
    <message>
        <source>Закон за слепване:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закон за слепване: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закон за поглъщане: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закон за поглъщане:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закон за съкращаване (де Морган) NAND: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закон за съкращаване (де Морган) NOR:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закон за преместване: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закон за преместване:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>теореми за асоциативност: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>теореми за близост: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>теорема за консенсус:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>теореми на опростяването: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>диструбитивен закон:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>функция Xor - сума по модул 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>функция импликация, заключение:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>функция еквивалентност, равнозначност:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>derivations</name>
    <message>
        <source>Комутативен закон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Асоциативен закон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дистрибутивен закон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закон за идемпотентността</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закон за двойното отрицание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закон за изключеното трето</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закон за противоречието</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закон за неутралния елемент</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закон за нулевия елемент</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отрицание на константа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закон на де Морган</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Определение на Xor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Определение на импликацията</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Определение на еквивалентността</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закон за поглъщане</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закон за слепване</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закон за преместване</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Теорема за консенсус</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Теорема за опростяване</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>де Морган без смяна на операцията</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>отрицанието не е пренесено на всички членове</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>грешно разпределяне</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>грешно поглъщане</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>обърната импликация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>разменени константи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xor като дизюнкция</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>идемпотентност, сбъркана с константа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>идемпотентност, където не важи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>грешка с допълнението</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>грешно премахване на импликацията</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>отрицание на импликацията</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>импликацията не е асоциативна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>грешно премахване на еквивалентността</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>отрицанието е изгубено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>отрицанието е приложено само към първия член</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>де Морган с излишно отрицание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>отрицанието е изгубено при разпределяне</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>display</name>
    <message>
        <source>%1: няма достъпен графичен дисплей (no display); стартирайте под Xvfb: xvfb-run -a %1
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>exercises</name>
    <message>
        <source>Докажи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Опрости</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Карта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>лесно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>средно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>трудно</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
