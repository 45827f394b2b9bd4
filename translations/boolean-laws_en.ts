<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="bg_BG">
<context>
    <name>AssignmentWindow</name>
    <message>
        <source>решена</source>
        <translation>solved</translation>
    </message>
    <message>
        <source>опитана, още не е решена</source>
        <translation>tried, not solved yet</translation>
    </message>
    <message>
        <source>незапочната</source>
        <translation>not started</translation>
    </message>
    <message>
        <source>Задание:</source>
        <translation>Assignment:</translation>
    </message>
    <message>
        <source>Задание</source>
        <translation>Assignment</translation>
    </message>
    <message>
        <source>Подсказки:</source>
        <translation>Hints:</translation>
    </message>
    <message>
        <source>Подсказки</source>
        <translation>Hints</translation>
    </message>
    <message>
        <source>Зада&amp;чи:</source>
        <translation>&amp;Tasks:</translation>
    </message>
    <message>
        <source>Задачи</source>
        <translation>Tasks</translation>
    </message>
    <message>
        <source>Задачите на заданието: ✓ решена, ✗ опитана, – незапочната</source>
        <translation>The assignment&apos;s tasks: ✓ solved, ✗ tried, – not started</translation>
    </message>
    <message>
        <source>Отго&amp;вор:</source>
        <translation>&amp;Answer:</translation>
    </message>
    <message>
        <source>Отговор</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>О&amp;тговори</source>
        <translation>A&amp;nswer</translation>
    </message>
    <message>
        <source>Избраният закон или грешка е отговорът</source>
        <translation>The chosen law or mistake is the answer</translation>
    </message>
    <message>
        <source>&amp;Започни</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Отваря прозореца, в който се решава избраната задача</source>
        <translation>Opens the window the chosen task is done in</translation>
    </message>
    <message>
        <source>Запази &amp;отговорите</source>
        <translation>Save the ans&amp;wers</translation>
    </message>
    <message>
        <source>Записва отговорите в един файл за учителя (Ctrl+S)</source>
        <translation>Writes the answers into one file for the teacher (Ctrl+S)</translation>
    </message>
    <message>
        <source>&amp;Печат…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Отпечатва листа със задачите (Ctrl+P)</source>
        <translation>Prints the worksheet of the tasks (Ctrl+P)</translation>
    </message>
    <message>
        <source>Запази &amp;листа…</source>
        <translation>Save the s&amp;heet…</translation>
    </message>
    <message>
        <source>Записва листа със задачите като PDF или HTML</source>
        <translation>Writes the worksheet of the tasks as a PDF or an HTML page</translation>
    </message>
    <message>
        <source>Резултат:</source>
        <translation>Result:</translation>
    </message>
    <message>
        <source>Резултат</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Задание – %1</source>
        <translation>Assignment – %1</translation>
    </message>
    <message>
        <source>разрешени</source>
        <translation>allowed</translation>
    </message>
    <message>
        <source>забранени: бутоните за подсказка и решение не работят</source>
        <translation>not allowed: the hint and solution buttons are off</translation>
    </message>
    <message>
        <source>%1. %2, %3</source>
        <translation>%1. %2, %3</translation>
    </message>
    <message>
        <source>Решени: %1 от %2.</source>
        <translation>Solved: %1 of %2.</translation>
    </message>
    <message>
        <source>Ученик: %1.</source>
        <translation>Student: %1.</translation>
    </message>
    <message>
        <source>Има незапазени промени.</source>
        <translation>There are unsaved changes.</translation>
    </message>
    <message>
        <source>Отговорите в „%1“ са на задание, което не е в същата папка. Изберете файла на заданието.</source>
        <translation>The answers in “%1” are to an assignment that is not in the same folder. Choose the assignment&apos;s file.</translation>
    </message>
    <message>
        <source>Отвори задание</source>
        <translation>Open an assignment</translation>
    </message>
    <message>
        <source>Задания (*.txt);;Всички файлове (*)</source>
        <translation>Assignments (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>„%1“ не е задание: %2</source>
        <translation>“%1” is not an assignment: %2</translation>
    </message>
    <message>
        <source>Отговорите в „%1“ са на друго задание.</source>
        <translation>The answers in “%1” are to another assignment.</translation>
    </message>
    <message>
        <source>Отговорите в „%1“ не могат да се продължат: %2</source>
        <translation>The answers in “%1” cannot be continued: %2</translation>
    </message>
    <message>
        <source>Отговорите не са записани в „%1“: %2.</source>
        <translation>The answers were not written to “%1”: %2.</translation>
    </message>
    <message>
        <source>Запази отговорите</source>
        <translation>Save the answers</translation>
    </message>
    <message>
        <source>Твоето име:</source>
        <translation>Your name:</translation>
    </message>
    <message>
        <source>отговори – %1.txt</source>
        <translation>answers – %1.txt</translation>
    </message>
    <message>
        <source>Отговори (*.txt)</source>
        <translation>Answers (*.txt)</translation>
    </message>
    <message>
        <source>Печат</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Запази листа</source>
        <translation>Save the sheet</translation>
    </message>
    <message>
        <source>Да се запазят ли отговорите преди затварянето?</source>
        <translation>Save the answers before closing?</translation>
    </message>
</context>
<context>
    <name>ChainOutput</name>
    <message>
        <source>Запази извеждането</source>
        <translation>Save the derivation</translation>
    </message>
    <message>
        <source>Печат</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Текст за --check (*.txt)</source>
        <translation>Text for --check (*.txt)</translation>
    </message>
    <message>
        <source>извеждане.txt</source>
        <translation>derivation.txt</translation>
    </message>
    <message>
        <source>извеждането не е записано в „%1“: %2</source>
        <translation>the derivation was not saved to “%1”: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Показва тази помощ и излиза.</source>
        <translation>Displays this help and exits.</translation>
    </message>
    <message>
        <source>Показва версията и излиза.</source>
        <translation>Displays the version and exits.</translation>
    </message>
    <message>
        <source>„%1“ иска стойност; вижте „%2 --help“</source>
        <translation>&quot;%1&quot; needs a value; see &quot;%2 --help&quot;</translation>
    </message>
    <message>
        <source>непознат аргумент „%1“; вижте „%2 --help“</source>
        <translation>unknown argument &quot;%1&quot;; see &quot;%2 --help&quot;</translation>
    </message>
    <message>
        <source>„%1“ е дадена два пъти</source>
        <translation>&quot;%1&quot; is given twice</translation>
    </message>
    <message>
        <source>„%1“ и „%2“ не могат да се дадат заедно</source>
        <translation>&quot;%1&quot; and &quot;%2&quot; cannot be given together</translation>
    </message>
    <message>
        <source>„%1“ не може да се даде заедно с „%2“</source>
        <translation>&quot;%1&quot; cannot be given together with &quot;%2&quot;</translation>
    </message>
    <message>
        <source>„%1“ се дава само с „%2“</source>
        <translation>&quot;%1&quot; is given only with &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Отпечатва картата на Карно на формулата F (от 2 до 4 променливи) и минималните ѝ ДНФ и КНФ; за формула с „=“ – картите на двете страни и дали съвпадат.
Пример: boolean-laws --kmap A^BvC^D</source>
        <translation>Prints the Karnaugh map of formula F (2 to 4 variables) and its minimal DNF and CNF; for a formula with &quot;=&quot;, the maps of both sides and whether they match.
Example: boolean-laws --kmap A^BvC^D</translation>
    </message>
    <message>
        <source>„%1“: %2</source>
        <translation>&quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Отпечатва доказателството на закон N (от 1 до 21), както го показва прозорецът, за всички стойности на A, B (и C) подред.
Пример: boolean-laws --proof 7</source>
        <translation>Prints the proof of law N (1 to 21) as the window shows it, for every value of A, B (and C) in order.
Example: boolean-laws --proof 7</translation>
    </message>
    <message>
        <source>С --proof: само за тези стойности на A, B (и C), по една цифра 0 или 1 за всяка променлива на закона.
Пример: boolean-laws --proof 7 --values 101</source>
        <translation>With --proof: only for these values of A, B (and C), one digit 0 or 1 for each variable of the law.
Example: boolean-laws --proof 7 --values 101</translation>
    </message>
    <message>
        <source>ЦИФРИ</source>
        <translation>DIGITS</translation>
    </message>
    <message>
        <source>няма закон „%1“: номерът е от 1 до 21</source>
        <translation>there is no law &quot;%1&quot;: the number is from 1 to 21</translation>
    </message>
    <message>
        <source>закон %1 иска %2 цифри 0 или 1 (за %3), а не „%4“</source>
        <translation>law %1 needs %2 digits 0 or 1 (for %3), not &quot;%4&quot;</translation>
    </message>
    <message>
        <source>A и B</source>
        <translation>A and B</translation>
    </message>
    <message>
        <source>A, B и C</source>
        <translation>A, B and C</translation>
    </message>
    <message>
        <source>Записва лист с формулата, таблицата на истинност и всички доказателства на закон N или на всички закони (all).
Пример: boolean-laws --sheet all --output закони.pdf</source>
        <translation>Writes a sheet with the formula, the truth table and every proof of law N, or of all laws (all).
Example: boolean-laws --sheet all --output laws.pdf</translation>
    </message>
    <message>
        <source>ФАЙЛ</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>„--sheet“ иска и „--output ФАЙЛ“ (.pdf или .html)</source>
        <translation>&quot;--sheet&quot; also needs &quot;--output FILE&quot; (.pdf or .html)</translation>
    </message>
    <message>
        <source>„--sheet“ иска номер на закон от 1 до 21 или „all“, а не „%1“</source>
        <translation>&quot;--sheet&quot; needs a law number from 1 to 21 or &quot;all&quot;, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>файлът „%1“ трябва да завършва на .pdf или .html</source>
        <translation>the file &quot;%1&quot; must end in .pdf or .html</translation>
    </message>
    <message>
        <source>Езикът на отговорите и на прозореца само за това пускане: bg (български, по подразбиране) или en (английски).</source>
        <translation>The language of the answers and of the window, for this run only: bg (Bulgarian, the default) or en (English).</translation>
    </message>
    <message>
        <source>ЕЗИК</source>
        <translation>LANGUAGE</translation>
    </message>
    <message>
        <source>непознат език „%1“: --language е bg (български) или en (English)</source>
        <translation>unknown language &quot;%1&quot;: --language is bg (Bulgarian) or en (English)</translation>
    </message>
    <message>
        <source>няма файл „%1“</source>
        <translation>no file “%1”</translation>
    </message>
    <message>
        <source>„%1“ е папка, а не файл</source>
        <translation>“%1” is a folder, not a file</translation>
    </message>
    <message>
        <source>файлът „%1“ не може да се прочете: %2</source>
        <translation>the file “%1” cannot be read: %2</translation>
    </message>
    <message>
        <source>Проверява извеждане от файла ФАЙЛ (или от стандартния вход при „-“): по една формула на ред, по желание със закона в скоби накрая („  [Закон на де Морган]“); празните редове и редовете с # се прескачат. За всяка стъпка отпечатва номера на реда и присъдата, накрая „Верни стъпки: N от M“.
Пример: boolean-laws --check домашно.txt</source>
        <translation>Checks a derivation from the file FILE (or from standard input for “-”): one formula a line, optionally with the law in brackets at the end (“  [De Morgan&apos;s law]”); empty lines and lines with # are skipped. For each step it prints the line number and the verdict, and at the end “Correct steps: N of M”.
Example: boolean-laws --check homework.txt</translation>
    </message>
    <message>
        <source>„%1“, ред %2: %3</source>
        <translation>“%1”, line %2: %3</translation>
    </message>
    <message>
        <source>Верни стъпки: %1 от %2</source>
        <translation>Correct steps: %1 of %2</translation>
    </message>
    <message>
        <source>в границите на търсенето не е намерено извеждане</source>
        <translation>no derivation was found within the search&apos;s bounds</translation>
    </message>
    <message>
        <source>„--derive“ иска две формули с „=“ между тях (F = G) или номер на закон от 1 до 21, а не „%1“</source>
        <translation>“--derive” needs two formulas with “=” between them (F = G) or a law number from 1 to 21, not “%1”</translation>
    </message>
    <message>
        <source>„--simplify“ иска една формула без „=“, а не „%1“; за две формули вижте „--derive“</source>
        <translation>“--simplify” needs one formula without “=”, not “%1”; for two formulas see “--derive”</translation>
    </message>
    <message>
        <source>Извежда G от F стъпка по стъпка, всяка стъпка с името на закона си; с номер N (от 1 до 21) – дясната страна на закон N от лявата само с четиринадесетте основни закона.
Пример: boolean-laws --derive &apos;A v A ^ B = A&apos;
Пример: boolean-laws --derive 3</source>
        <translation>Derives G from F step by step, each step with the name of its law; with a number N (1 to 21), the right side of law N from its left side by the fourteen basic laws only.
Example: boolean-laws --derive &apos;A v A ^ B = A&apos;
Example: boolean-laws --derive 3</translation>
    </message>
    <message>
        <source>Опростява формулата F стъпка по стъпка до минимална ДНФ (с най-малко литерали) или до 0 или 1, всяка стъпка с името на закона си.
Пример: boolean-laws --simplify &apos;A v A ^ B&apos;</source>
        <translation>Simplifies formula F step by step to a minimal DNF (the fewest literals) or to 0 or 1, each step with the name of its law.
Example: boolean-laws --simplify &apos;A v A ^ B&apos;</translation>
    </message>
    <message>
        <source>Минимална ДНФ: %1</source>
        <translation>Minimal DNF: %1</translation>
    </message>
    <message>
        <source>Задава упражнение от вида ВИД (prove, simplify, table, map или law; също докажи, опрости, таблица, карта, закон) на нивото, дадено с --level, и отпечатва задачата и семето ѝ.
Пример: boolean-laws --exercise prove --level easy --seed 7 --answer</source>
        <translation>Sets an exercise of the kind KIND (prove, simplify, table, map or law, or the kind&apos;s Bulgarian name) at the level given with --level, and prints the task and its seed.
Example: boolean-laws --exercise prove --level easy --seed 7 --answer</translation>
    </message>
    <message>
        <source>ВИД</source>
        <translation>KIND</translation>
    </message>
    <message>
        <source>Само с --exercise: нивото, easy, medium или hard (също лесно, средно, трудно).</source>
        <translation>Only with --exercise: the level, easy, medium or hard (or the level&apos;s Bulgarian name).</translation>
    </message>
    <message>
        <source>НИВО</source>
        <translation>LEVEL</translation>
    </message>
    <message>
        <source>Само с --exercise: семето, цяло число от 0 до 2147483647; едно семе дава едно и също упражнение. Без него семето е случайно.</source>
        <translation>Only with --exercise: the seed, a whole number from 0 to 2147483647; one seed always gives the same exercise. Without it the seed is chosen at random.</translation>
    </message>
    <message>
        <source>Само с --exercise: отпечатва и отговора на програмата.</source>
        <translation>Only with --exercise: prints the program&apos;s answer too.</translation>
    </message>
    <message>
        <source>непознат вид упражнение „%1“: видът е prove, simplify, table, map или law</source>
        <translation>unknown kind of exercise &quot;%1&quot;: the kind is prove, simplify, table, map or law</translation>
    </message>
    <message>
        <source>„--exercise“ иска и „--level“ (easy, medium или hard)</source>
        <translation>&quot;--exercise&quot; needs &quot;--level&quot; too (easy, medium or hard)</translation>
    </message>
    <message>
        <source>непознато ниво „%1“: нивото е easy, medium или hard</source>
        <translation>unknown level &quot;%1&quot;: the level is easy, medium or hard</translation>
    </message>
    <message>
        <source>семето е цяло число от 0 до 2147483647, а не „%1“</source>
        <translation>the seed is a whole number from 0 to 2147483647, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>от семе %1 нататък не е намерено упражнение в границите на търсенето</source>
        <translation>no exercise was found from seed %1 on within the search&apos;s bounds</translation>
    </message>
    <message>
        <source>Семе: %1</source>
        <translation>Seed: %1</translation>
    </message>
    <message>
        <source>ученик</source>
        <translation>student</translation>
    </message>
    <message>
        <source>файл</source>
        <translation>file</translation>
    </message>
    <message>
        <source>общо</source>
        <translation>total</translation>
    </message>
    <message>
        <source>%1 от %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>подсказки!</source>
        <translation>hints!</translation>
    </message>
    <message>
        <source>задача %1: решили %2, опитали %3, най-честа грешка: %4, големи стъпки: %5</source>
        <translation>task %1: solved %2, tried %3, most common mistake: %4, big steps: %5</translation>
    </message>
    <message>
        <source>Оценява файловете с отговори, дадени след заданието ЗАДАНИЕ, като проверява наново всяка задача: за всеки ученик ред с ✓ (решена), ✗ (опитана) и – (недокосната) и броя решени, после по ред за всяка задача. С --output ФАЙЛ.csv записва и таблица CSV.
Пример: boolean-laws --grade задание.txt отговори/*.txt --output оценки.csv</source>
        <translation>Grades the answers files given after the assignment ASSIGNMENT, checking every task again: for each student a line with ✓ (solved), ✗ (tried) and – (untouched) and the number solved, then a line for each task. With --output FILE.csv it also writes a CSV table.
Example: boolean-laws --grade assignment.txt answers/*.txt --output grades.csv</translation>
    </message>
    <message>
        <source>ЗАДАНИЕ</source>
        <translation>ASSIGNMENT</translation>
    </message>
    <message>
        <source>„--grade“ иска след заданието поне един файл с отговори</source>
        <translation>“--grade” needs at least one answers file after the assignment</translation>
    </message>
    <message>
        <source>„%1“, %2</source>
        <translation>“%1”, %2</translation>
    </message>
    <message>
        <source>„%1“: отговорите са на друго задание, не на „%2“</source>
        <translation>“%1”: the answers are to another assignment, not to “%2”</translation>
    </message>
    <message>
        <source>файлът „%1“ не може да се запише: %2</source>
        <translation>the file “%1” cannot be written: %2</translation>
    </message>
    <message>
        <source>С --sheet: файлът на листа, PDF (A4) или HTML според окончанието .pdf или .html. С --grade: таблицата с оценките, CSV.
Пример: boolean-laws --sheet 3 --output закон-3.html</source>
        <translation>With --sheet: the sheet&apos;s file, PDF (A4) or HTML by its ending .pdf or .html. With --grade: the table of grades, CSV.
Example: boolean-laws --sheet 3 --output law-3.html</translation>
    </message>
    <message>
        <source>Само с --sheet ЗАДАНИЕ: листът с отговорите на задачите вместо празния лист за решаване.</source>
        <translation>Only with --sheet ASSIGNMENT: the sheet with the tasks&apos; answers instead of the empty worksheet.</translation>
    </message>
    <message>
        <source>„--key“ се дава само с „--sheet ЗАДАНИЕ“</source>
        <translation>&quot;--key&quot; is given only with &quot;--sheet ASSIGNMENT&quot;</translation>
    </message>
    <message>
        <source>Теореми и тъждества в булевата алгебра.
Изберете закон и стойностите 0/1 на A, B (и C): програмата записва формулата
на закона и пресмята двете му страни стъпка по стъпка, ред по ред.
Без аргументи отваря един прозорец; --proof и --sheet работят и без дисплей.
boolean-laws ФАЙЛ отваря в прозореца задание или отговори по задание;
boolean-laws ЗАДАНИЕ ОТГОВОРИ продължава отговорите по заданието.</source>
        <translation>Theorems and identities of Boolean algebra.
Choose a law and the 0/1 values of A, B (and C): the program writes the law&apos;s
formula and evaluates both its sides step by step, line by line.
Without arguments it opens a window; --proof and --sheet work without a display.
boolean-laws FILE opens an assignment, or answers to one, in the window;
boolean-laws ASSIGNMENT ANSWERS continues the answers to the assignment.</translation>
    </message>
    <message>
        <source>„%1“ се дава само с „%2“ или „%3“</source>
        <translation>&quot;%1&quot; is given only with &quot;%2&quot; or &quot;%3&quot;</translation>
    </message>
</context>
<context>
    <name>DerivationChain</name>
    <message>
        <source># Извеждане; цел: %1</source>
        <translation># Derivation; goal: %1</translation>
    </message>
    <message>
        <source>Извеждане: %1</source>
        <translation>Derivation: %1</translation>
    </message>
    <message>
        <source>Цел: %1</source>
        <translation>Goal: %1</translation>
    </message>
</context>
<context>
    <name>DerivationOpening</name>
    <message>
        <source>Извеждане…</source>
        <translation>Derivation…</translation>
    </message>
</context>
<context>
    <name>DerivationTasks</name>
    <message>
        <source>минимална форма</source>
        <translation>minimal form</translation>
    </message>
    <message>
        <source>Грешка на позиция %1: стъпката е една формула, без второ „=“</source>
        <translation>Error at position %1: a step is one formula, without a second “=”</translation>
    </message>
</context>
<context>
    <name>DerivationWindow</name>
    <message>
        <source>Търсене… Escape го прекъсва.</source>
        <translation>Searching… Escape stops it.</translation>
    </message>
    <message>
        <source>Цел</source>
        <translation>Goal</translation>
    </message>
    <message>
        <source>Формулата, до която трябва да стигне извеждането</source>
        <translation>The formula the derivation must reach</translation>
    </message>
    <message>
        <source>&amp;Цел:</source>
        <translation>&amp;Goal:</translation>
    </message>
    <message>
        <source>Стъпки</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>Началната формула и всяка приета стъпка със своя закон</source>
        <translation>The starting formula and each accepted step with its law</translation>
    </message>
    <message>
        <source>С&amp;тъпки:</source>
        <translation>&amp;Steps:</translation>
    </message>
    <message>
        <source>Следваща стъпка</source>
        <translation>Next step</translation>
    </message>
    <message>
        <source>Напишете следващата формула; Enter я проверява</source>
        <translation>Type the next formula; Enter checks it</translation>
    </message>
    <message>
        <source>&amp;Следваща стъпка:</source>
        <translation>&amp;Next step:</translation>
    </message>
    <message>
        <source>Закон</source>
        <translation>Law</translation>
    </message>
    <message>
        <source>Законът, който прилагате (по желание)</source>
        <translation>The law you apply (optional)</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>&amp;Закон:</source>
        <translation>&amp;Law:</translation>
    </message>
    <message>
        <source>Проверка</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Какво показа проверката на последната стъпка</source>
        <translation>What the check of the last step found</translation>
    </message>
    <message>
        <source>Прове&amp;рка:</source>
        <translation>Chec&amp;k:</translation>
    </message>
    <message>
        <source>&amp;Подсказка</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>Следващият закон, после къде, после самата формула (Ctrl+H)</source>
        <translation>The next law, then where, then the formula itself (Ctrl+H)</translation>
    </message>
    <message>
        <source>Покажи &amp;извеждане</source>
        <translation>Show &amp;derivation</translation>
    </message>
    <message>
        <source>Цялото извеждане до целта</source>
        <translation>The whole derivation to the goal</translation>
    </message>
    <message>
        <source>&amp;Отмени стъпка</source>
        <translation>&amp;Undo step</translation>
    </message>
    <message>
        <source>Маха последната стъпка; началната формула остава (Ctrl+Z)</source>
        <translation>Removes the last step; the starting formula stays (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Отна&amp;чало</source>
        <translation>&amp;Restart</translation>
    </message>
    <message>
        <source>Обратно към началната формула</source>
        <translation>Back to the starting formula</translation>
    </message>
    <message>
        <source>От таб&amp;лицата</source>
        <translation>From the &amp;table</translation>
    </message>
    <message>
        <source>Извеждане на формулата от прозореца с таблицата</source>
        <translation>Derive the formula from the truth-table window</translation>
    </message>
    <message>
        <source>Запази извеждането…</source>
        <translation>Save the derivation…</translation>
    </message>
    <message>
        <source>Печат…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Извеждане – %1</source>
        <translation>Derivation – %1</translation>
    </message>
    <message>
        <source>Напишете следващата формула и натиснете Enter.</source>
        <translation>Type the next formula and press Enter.</translation>
    </message>
    <message>
        <source>Подсказка: целта е достигната.</source>
        <translation>Hint: the goal is reached.</translation>
    </message>
    <message>
        <source>Подсказка: целта не е равносилна на последната формула: %1</source>
        <translation>Hint: the goal is not equivalent to the last formula: %1</translation>
    </message>
    <message>
        <source>Подсказка: в границите на търсенето не е намерено извеждане до целта.</source>
        <translation>Hint: no derivation to the goal was found within the search&apos;s bounds.</translation>
    </message>
    <message>
        <source>Подсказка: следващият закон е %1.</source>
        <translation>Hint: the next law is %1.</translation>
    </message>
    <message>
        <source>Подсказка: %1 се прилага към %2.</source>
        <translation>Hint: %1 applies to %2.</translation>
    </message>
    <message>
        <source>Подсказка: следващата формула е в полето; Enter я проверява.</source>
        <translation>Hint: the next formula is in the field; Enter checks it.</translation>
    </message>
    <message>
        <source>Целта не е равносилна на последната формула: %1</source>
        <translation>The goal is not equivalent to the last formula: %1</translation>
    </message>
    <message>
        <source>В границите на търсенето не е намерено извеждане до целта.</source>
        <translation>No derivation to the goal was found within the search&apos;s bounds.</translation>
    </message>
    <message>
        <source>Началната формула остава; няма стъпка за отмяна.</source>
        <translation>The starting formula stays; there is no step to undo.</translation>
    </message>
    <message>
        <source>Търсенето е прекъснато.</source>
        <translation>The search was stopped.</translation>
    </message>
</context>
<context>
    <name>ExerciseWindow</name>
    <message>
        <source>Минимална ДНФ: %1</source>
        <translation>Minimal DNF: %1</translation>
    </message>
    <message>
        <source>Упражнения</source>
        <translation>Exercises</translation>
    </message>
    <message>
        <source>&amp;Вид:</source>
        <translation>&amp;Kind:</translation>
    </message>
    <message>
        <source>Смесено</source>
        <translation>Mixed</translation>
    </message>
    <message>
        <source>&amp;Ново</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Ново упражнение от същия вид и ниво (Ctrl+N)</source>
        <translation>A new exercise of the same kind and level (Ctrl+N)</translation>
    </message>
    <message>
        <source>&amp;Започни</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Отваря прозореца, в който се решава задачата</source>
        <translation>Opens the window in which the task is done</translation>
    </message>
    <message>
        <source>Покажи &amp;решение</source>
        <translation>Show &amp;solution</translation>
    </message>
    <message>
        <source>Показва решението на програмата; задачата не се брои за решена</source>
        <translation>Shows the program&apos;s solution; the task does not count as solved</translation>
    </message>
    <message>
        <source>&amp;Отговор:</source>
        <translation>&amp;Answer:</translation>
    </message>
    <message>
        <source>О&amp;тговори</source>
        <translation>Ans&amp;wer</translation>
    </message>
    <message>
        <source>Избраният закон или грешка е отговорът</source>
        <translation>The chosen law or mistake is the answer</translation>
    </message>
    <message>
        <source>Резултат:</source>
        <translation>Result:</translation>
    </message>
    <message>
        <source>Задача</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Отговор</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Напредък</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Н&amp;улирай</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>Изчиства напредъка след потвърждение</source>
        <translation>Clears the progress after a confirmation</translation>
    </message>
    <message>
        <source>Няма упражнение от това семе</source>
        <translation>No exercise from this seed</translation>
    </message>
    <message>
        <source>Семе: %1</source>
        <translation>Seed: %1</translation>
    </message>
    <message>
        <source>Още не е решена</source>
        <translation>Not solved yet</translation>
    </message>
    <message>
        <source>Не е „%1“: опитайте пак</source>
        <translation>It is not “%1”: try again</translation>
    </message>
    <message>
        <source>Решена</source>
        <translation>Solved</translation>
    </message>
    <message>
        <source>Решението е показано</source>
        <translation>The solution is shown</translation>
    </message>
    <message>
        <source>Нулирай напредъка</source>
        <translation>Reset progress</translation>
    </message>
    <message>
        <source>Да се изчисти ли целият напредък?</source>
        <translation>Clear all the progress?</translation>
    </message>
    <message>
        <source>Упражнения…</source>
        <translation>Exercises…</translation>
    </message>
    <message>
        <source>Н&amp;иво:</source>
        <translation>&amp;Level:</translation>
    </message>
    <message>
        <source>За&amp;дача:</source>
        <translation>&amp;Task:</translation>
    </message>
    <message>
        <source>На&amp;предък (решени / опитани / подсказки):</source>
        <translation>&amp;Progress (solved / tried / hints):</translation>
    </message>
    <message>
        <source>%1, %2: решени %3, опитани %4, подсказки %5</source>
        <translation>%1, %2: solved %3, tried %4, hints %5</translation>
    </message>
    <message>
        <source>Задачи в него: %1</source>
        <translation>Tasks in it: %1</translation>
    </message>
    <message>
        <source>Заданието не е записано в „%1“: %2.</source>
        <translation>The assignment was not written to “%1”: %2.</translation>
    </message>
    <message>
        <source>Запази заданието</source>
        <translation>Save the assignment</translation>
    </message>
    <message>
        <source>Заглавие на заданието:</source>
        <translation>The assignment&apos;s title:</translation>
    </message>
    <message>
        <source>Домашна работа</source>
        <translation>Homework</translation>
    </message>
    <message>
        <source>Да могат ли учениците да ползват подсказки?</source>
        <translation>May the students use hints?</translation>
    </message>
    <message>
        <source>Задания (*.txt)</source>
        <translation>Assignments (*.txt)</translation>
    </message>
    <message>
        <source>Отвори задание</source>
        <translation>Open an assignment</translation>
    </message>
    <message>
        <source>Задания и отговори (*.txt);;Всички файлове (*)</source>
        <translation>Assignments and answers (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Ново задание:</source>
        <translation>New assignment:</translation>
    </message>
    <message>
        <source>Ново задание</source>
        <translation>New assignment</translation>
    </message>
    <message>
        <source>Колко задачи има в заданието, което се съставя</source>
        <translation>How many tasks the assignment being built has</translation>
    </message>
    <message>
        <source>Добави към заданието</source>
        <translation>Add to the assignment</translation>
    </message>
    <message>
        <source>Добавя показаното упражнение, с нивото и семето му, към заданието, което се съставя</source>
        <translation>Adds the exercise on show, by its level and seed, to the assignment being built</translation>
    </message>
    <message>
        <source>Запази заданието…</source>
        <translation>Save the assignment…</translation>
    </message>
    <message>
        <source>Записва съставеното задание във файл за учениците</source>
        <translation>Writes the assignment built into a file for the students</translation>
    </message>
    <message>
        <source>Отвори задание…</source>
        <translation>Open an assignment…</translation>
    </message>
    <message>
        <source>Отваря задание от учителя или запазени отговори по него</source>
        <translation>Opens a teacher&apos;s assignment, or answers saved to one</translation>
    </message>
</context>
<context>
    <name>FormulaMessages</name>
    <message>
        <source>празна формула</source>
        <translation>empty formula</translation>
    </message>
    <message>
        <source>празна лява страна преди „=“</source>
        <translation>empty left side before “=”</translation>
    </message>
    <message>
        <source>празна дясна страна след „=“</source>
        <translation>empty right side after “=”</translation>
    </message>
    <message>
        <source>очаква се променлива (A, B, C, …, Z), 0, 1, „!“ или „(“</source>
        <translation>expected a variable (A, B, C, …, Z), 0, 1, “!” or “(”</translation>
    </message>
    <message>
        <source>очаква се оператор (^, v, Xor, -&gt;, &lt;--&gt;)</source>
        <translation>expected an operator (^, v, Xor, -&gt;, &lt;--&gt;)</translation>
    </message>
    <message>
        <source>очаква се оператор (^, v, Xor, -&gt;, &lt;--&gt;) или „=“</source>
        <translation>expected an operator (^, v, Xor, -&gt;, &lt;--&gt;) or “=”</translation>
    </message>
    <message>
        <source>очаква се оператор (^, v, Xor, -&gt;, &lt;--&gt;) или „)“</source>
        <translation>expected an operator (^, v, Xor, -&gt;, &lt;--&gt;) or “)”</translation>
    </message>
    <message>
        <source>очаква се „)“</source>
        <translation>“)” expected</translation>
    </message>
    <message>
        <source>„)“ няма своя „(“</source>
        <translation>“)” has no matching “(”</translation>
    </message>
    <message>
        <source>второ „=“ не е позволено</source>
        <translation>a second “=” is not allowed</translation>
    </message>
    <message>
        <source>очаква се „-&gt;“</source>
        <translation>expected “-&gt;”</translation>
    </message>
    <message>
        <source>очаква се „&lt;--&gt;“</source>
        <translation>expected “&lt;--&gt;”</translation>
    </message>
    <message>
        <source>непознат знак %1</source>
        <translation>unknown character %1</translation>
    </message>
    <message>
        <source>формулата е по-дълга от %1 знака</source>
        <translation>the formula is longer than %1 characters</translation>
    </message>
    <message>
        <source>%1 е седма променлива, а една формула може да има най-много %2</source>
        <translation>%1 is a seventh variable, and a formula may have at most %2</translation>
    </message>
    <message>
        <source>Грешка на позиция %1: %2</source>
        <translation>Error at position %1: %2</translation>
    </message>
</context>
<context>
    <name>GradeTexts</name>
    <message>
        <source>Вярно: минимално покритие</source>
        <translation>Correct: a minimal cover</translation>
    </message>
    <message numerus="yes">
        <source>Група %1 има %n клетки, а група може да има само 1, 2, 4, 8 или 16 клетки.</source>
        <translation>
            <numerusform>Group %1 has %n cell, but a group can only have 1, 2, 4, 8 or 16 cells.</numerusform>
            <numerusform>Group %1 has %n cells, but a group can only have 1, 2, 4, 8 or 16 cells.</numerusform>
        </translation>
    </message>
    <message>
        <source>Група %1 (%2) съдържа 0 в клетка %3.</source>
        <translation>Group %1 (%2) holds a 0 in cell %3.</translation>
    </message>
    <message>
        <source>Група %1 (%2) не е възможно най-голямата: може да се разшири до %3.</source>
        <translation>Group %1 (%2) is not as large as it can be: it can grow to %3.</translation>
    </message>
    <message>
        <source>Група %1 (%2) е излишна: клетките ѝ са покрити от другите групи.</source>
        <translation>Group %1 (%2) is redundant: the other groups cover its cells.</translation>
    </message>
    <message>
        <source>Единицата в клетка %1 не е покрита.</source>
        <translation>The 1 in cell %1 is not covered.</translation>
    </message>
    <message numerus="yes">
        <source>%n единици не са покрити; първата е в клетка %1.</source>
        <translation>
            <numerusform>%n one is not covered; it is in cell %1.</numerusform>
            <numerusform>%n ones are not covered; the first is in cell %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Групите са %1, а са достатъчни %2.</source>
        <translation>There are %1 groups, but %2 are enough.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message numerus="yes">
        <source>%n клетки</source>
        <translation>
            <numerusform>%n cell</numerusform>
            <numerusform>%n cells</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. %2 — не е група от 1, 2, 4, 8 или 16 клетки</source>
        <translation>%1. %2 — not a group of 1, 2, 4, 8 or 16 cells</translation>
    </message>
    <message>
        <source>%1. %2 — съдържа 0</source>
        <translation>%1. %2 — holds a 0</translation>
    </message>
    <message>
        <source>%1. %2 — не е възможно най-голямата</source>
        <translation>%1. %2 — not as large as it can be</translation>
    </message>
    <message>
        <source>%1. %2 — излишна</source>
        <translation>%1. %2 — redundant</translation>
    </message>
    <message>
        <source>%1. %2 — вярно</source>
        <translation>%1. %2 — correct</translation>
    </message>
</context>
<context>
    <name>Homework</name>
    <message>
        <source>няма файл „%1“</source>
        <translation>no file “%1”</translation>
    </message>
    <message>
        <source>„%1“ е папка, а не файл</source>
        <translation>“%1” is a folder, not a file</translation>
    </message>
    <message>
        <source>файлът „%1“ не може да се прочете: %2</source>
        <translation>the file “%1” cannot be read: %2</translation>
    </message>
    <message>
        <source>файлът „%1“ е по-голям от 1 MB</source>
        <translation>the file “%1” is larger than 1 MB</translation>
    </message>
    <message>
        <source>ред %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>заданието е празно: няма ред „задание: &lt;заглавие&gt;“ и няма задачи</source>
        <translation>the assignment is empty: there is no line “assignment: &lt;title&gt;” and no task</translation>
    </message>
    <message>
        <source>първият ред трябва да е „задание: &lt;заглавие&gt;“, а не „%1“</source>
        <translation>the first line must be “assignment: &lt;title&gt;”, not “%1”</translation>
    </message>
    <message>
        <source>заданието няма заглавие след „задание:“</source>
        <translation>the assignment has no title after “assignment:”</translation>
    </message>
    <message>
        <source>непознат вид задача „%1“</source>
        <translation>unknown kind of task “%1”</translation>
    </message>
    <message>
        <source>„%1:“ стои само преди задачите</source>
        <translation>“%1:” goes only before the tasks</translation>
    </message>
    <message>
        <source>подсказките са „да“ или „не“, а не „%1“</source>
        <translation>hints are “yes” or “no”, not “%1”</translation>
    </message>
    <message>
        <source>задачата „докажи“ иска две страни с „=“</source>
        <translation>a “prove” task needs two sides with “=”</translation>
    </message>
    <message>
        <source>тази задача иска една формула, без „=“</source>
        <translation>this task takes one formula, without “=”</translation>
    </message>
    <message>
        <source>задачата „закон“ иска една стъпка „F → G“ (или „F =&gt; G“)</source>
        <translation>a “law” task needs one step “F → G” (or “F =&gt; G”)</translation>
    </message>
    <message>
        <source>„%1“: нивото е лесно, средно или трудно, а семето цяло число от 0 до 2147483647</source>
        <translation>“%1”: the level is easy, medium or hard, and the seed a whole number from 0 to 2147483647</translation>
    </message>
    <message>
        <source>двете страни не са равни, така че няма доказателство</source>
        <translation>the two sides are not equal, so there is no proof</translation>
    </message>
    <message>
        <source>картата иска от 2 до 4 променливи, а формулата има %1</source>
        <translation>a map needs 2 to 4 variables, and the formula has %1</translation>
    </message>
    <message>
        <source>програмата не може да реши сама тази задача</source>
        <translation>the program cannot solve this task itself</translation>
    </message>
    <message>
        <source>заданието няма нито една задача</source>
        <translation>the assignment has no task</translation>
    </message>
    <message>
        <source>файлът е по-голям от 1 MB</source>
        <translation>the file is larger than 1 MB</translation>
    </message>
    <message>
        <source>файлът не е текст в UTF-8</source>
        <translation>the file is not UTF-8 text</translation>
    </message>
    <message>
        <source>липсва редът „%1:“ от началото на файла с отговори</source>
        <translation>the line “%1:” is missing from the start of the answers file</translation>
    </message>
    <message>
        <source>редът „%1:“ не е на мястото си</source>
        <translation>the line “%1:” is out of its place</translation>
    </message>
    <message>
        <source>няма задача „%1“ след предишната в заданието</source>
        <translation>there is no task “%1” after the one before in the assignment</translation>
    </message>
    <message>
        <source>подсказките са брой, а не „%1“</source>
        <translation>hints are a number, not “%1”</translation>
    </message>
    <message>
        <source>редът „%1“ не е част от решението на задачата</source>
        <translation>the line “%1” is no part of the task’s work</translation>
    </message>
</context>
<context>
    <name>Inf_Tarvisko</name>
    <message>
        <source>Описание на програмата</source>
        <translation>Program description</translation>
    </message>
    <message>
        <source>Списък на законите</source>
        <translation>List of laws</translation>
    </message>
    <message>
        <source>Стойност на A</source>
        <translation>Value of A</translation>
    </message>
    <message>
        <source>Стойност на B</source>
        <translation>Value of B</translation>
    </message>
    <message>
        <source>Стойност на C</source>
        <translation>Value of C</translation>
    </message>
    <message>
        <source>Доказателство</source>
        <translation>Proof</translation>
    </message>
    <message>
        <source>Брой на променливите</source>
        <translation>Number of variables</translation>
    </message>
    <message>
        <source>Имена на законите</source>
        <translation>Law names</translation>
    </message>
    <message>
        <source>Формули на законите</source>
        <translation>Law formulas</translation>
    </message>
    <message>
        <source>https://boolean-laws.example  Теореми и тъждества в булевата алгебра</source>
        <translation>https://boolean-laws.example  Theorems and identities of Boolean algebra</translation>
    </message>
    <message>
        <source>Информатика - таблица на истинност за Tarvisko</source>
        <translation>Computing - truth tables of laws</translation>
    </message>
    <message>
        <source>Булевата алгебра (алгебра на съжденията) е дефинирана от ирландския математик Велмарин с цел да се използват алгебрични методи в логиката.  </source>
        <translation>Boolean algebra (the algebra of propositions) was defined by an Irish mathematician in order to use algebraic methods in logic.  </translation>
    </message>
    <message>
        <source>Да се реализира проект за проверка таблицата на истинност за отделни булеви закони, тъждества и функции. Проверката се осъществява за всяка допустима комбинация стойности на входните параметри.</source>
        <translation>The project checks the truth table of individual Boolean laws, identities and functions. The check is made for every allowed combination of the values of the inputs.</translation>
    </message>
    <message>
        <source>В проекта са реализирани:</source>
        <translation>The project implements:</translation>
    </message>
    <message>
        <source>закони за:  слепване,  поглъщане, съкращаване (де Морган),  преместване, диструбутивен</source>
        <translation>laws of: gluing, absorption, De Morgan, transposition, distributive</translation>
    </message>
    <message>
        <source>теореми за: асоциативност, близост, консенсус,опростяването</source>
        <translation>theorems of: associativity, proximity, consensus, simplification</translation>
    </message>
    <message>
        <source>функции:  Xor - сума по модул 2, импликация, равнозначност</source>
        <translation>functions: Xor - sum modulo 2, implication, equivalence</translation>
    </message>
    <message>
        <source>Потребителят осъществява проверка на верността Tarvisko и тъждества като посочва стойностите на булевите променливи и автоматично се генерира съответния терм (ред от таблицата за истинност) с избраните стойности. На всеки отделен ред се извършват постепенно съответните действия върху булевите променливи. Последният ред от доказателството представлява равни стойности от двете страни на равенството.</source>
        <translation>The user checks the truth of a law or identity by choosing the values of the Boolean variables; the matching term (one row of the truth table) is generated with the chosen values. Each line performs the next operations on the Boolean variables, step by step. The last line of the proof shows equal values on both sides of the equation.</translation>
    </message>
    <message>
        <source>Използвани означения:</source>
        <translation>Notation used:</translation>
    </message>
    <message>
        <source>! - отрицание</source>
        <translation>! - negation</translation>
    </message>
    <message>
        <source>^ - логическо умножение, AND</source>
        <translation>^ - logical product, AND</translation>
    </message>
    <message>
        <source>v - логическа сума, Или, OR</source>
        <translation>v - logical sum, OR</translation>
    </message>
    <message>
        <source>Xor - изключващо Или, сума по модул 2</source>
        <translation>Xor - exclusive OR, sum modulo 2</translation>
    </message>
    <message>
        <source>Описание на алгоритъма</source>
        <translation>Description of the algorithm</translation>
    </message>
    <message>
        <source>Tarvisko и тъждества</source>
        <translation>Laws and identities</translation>
    </message>
    <message>
        <source>Булева променлива</source>
        <translation>Boolean variable</translation>
    </message>
    <message>
        <source>Стойност за булева променлива</source>
        <translation>Value of a Boolean variable</translation>
    </message>
</context>
<context>
    <name>KarnaughMapModel</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
</context>
<context>
    <name>KarnaughSheet</name>
    <message>
        <source>Лява страна</source>
        <translation>Left side</translation>
    </message>
    <message>
        <source>Дясна страна</source>
        <translation>Right side</translation>
    </message>
    <message>
        <source>Стойност</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Минимална ДНФ: %1</source>
        <translation>Minimal DNF: %1</translation>
    </message>
    <message>
        <source>Минимална КНФ: %1</source>
        <translation>Minimal CNF: %1</translation>
    </message>
    <message>
        <source>Картите съвпадат</source>
        <translation>The maps match</translation>
    </message>
    <message>
        <source>Картите се различават</source>
        <translation>The maps differ</translation>
    </message>
</context>
<context>
    <name>KarnaughTexts</name>
    <message numerus="yes">
        <source>Карта на Карно има само за формули с 2 до 4 променливи, а тази формула има %n.</source>
        <translation>
            <numerusform>Karnaugh maps are only for formulas of 2 to 4 variables, and this formula has %n.</numerusform>
            <numerusform>Karnaugh maps are only for formulas of 2 to 4 variables, and this formula has %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Минимална ДНФ: %1</source>
        <translation>Minimal DNF: %1</translation>
    </message>
    <message>
        <source>Минимална КНФ: %1</source>
        <translation>Minimal CNF: %1</translation>
    </message>
    <message>
        <source>Лява страна:</source>
        <translation>Left side:</translation>
    </message>
    <message>
        <source>Дясна страна:</source>
        <translation>Right side:</translation>
    </message>
    <message>
        <source>Картите съвпадат</source>
        <translation>The maps match</translation>
    </message>
    <message>
        <source>Картите се различават</source>
        <translation>The maps differ</translation>
    </message>
</context>
<context>
    <name>KarnaughWindow</name>
    <message>
        <source>Карта на Карно…</source>
        <translation>Karnaugh map…</translation>
    </message>
    <message>
        <source>Формула</source>
        <translation>Formula</translation>
    </message>
    <message>
        <source>Формулата, чиито карти се виждат: тази от таблицата на истинност, ако там е въведена своя, иначе формулата на избрания закон</source>
        <translation>The formula whose maps are shown: the truth table&apos;s own formula if one was typed there, otherwise the chosen law&apos;s formula</translation>
    </message>
    <message>
        <source>Формула:</source>
        <translation>Formula:</translation>
    </message>
    <message>
        <source>Дясна страна</source>
        <translation>Right side</translation>
    </message>
    <message>
        <source>Картата на дясната страна на формулата</source>
        <translation>The map of the formula&apos;s right side</translation>
    </message>
    <message>
        <source>Сравнение</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>Дали картите на двете страни са една и съща картина</source>
        <translation>Whether the maps of the two sides are the same picture</translation>
    </message>
    <message>
        <source>Сравнение:</source>
        <translation>Comparison:</translation>
    </message>
    <message>
        <source>Минимална ДНФ</source>
        <translation>Minimal DNF</translation>
    </message>
    <message>
        <source>Минималната дизюнктивна нормална форма: сума от произведения с най-малко литерали</source>
        <translation>The minimal disjunctive normal form: a sum of products with the fewest literals</translation>
    </message>
    <message>
        <source>Минимална ДНФ:</source>
        <translation>Minimal DNF:</translation>
    </message>
    <message>
        <source>Минимална КНФ</source>
        <translation>Minimal CNF</translation>
    </message>
    <message>
        <source>Минималната конюнктивна нормална форма: произведение от суми с най-малко литерали</source>
        <translation>The minimal conjunctive normal form: a product of sums with the fewest literals</translation>
    </message>
    <message>
        <source>Минимална КНФ:</source>
        <translation>Minimal CNF:</translation>
    </message>
    <message>
        <source>Групи</source>
        <translation>Groups</translation>
    </message>
    <message>
        <source>Групите на минималната ДНФ, по едно произведение на ред</source>
        <translation>The groups of the minimal DNF, one product per line</translation>
    </message>
    <message>
        <source>Групи:</source>
        <translation>Groups:</translation>
    </message>
    <message>
        <source>Твоите групи</source>
        <translation>Your groups</translation>
    </message>
    <message>
        <source>Групите, които си очертал, по едно произведение на ред, с оценката им след проверка</source>
        <translation>The groups you have drawn, one product per line, with their marks after a check</translation>
    </message>
    <message>
        <source>Твоите групи:</source>
        <translation>Your groups:</translation>
    </message>
    <message>
        <source>&amp;Друго покритие</source>
        <translation>&amp;Other cover</translation>
    </message>
    <message>
        <source>Показва следващото минимално покритие, когато има няколко</source>
        <translation>Shows the next minimal cover, when there are several</translation>
    </message>
    <message>
        <source>&amp;Групирай сам</source>
        <translation>&amp;Group it yourself</translation>
    </message>
    <message>
        <source>Скрива групите и минималните форми, за да очертаеш групите сам (Ctrl+G)</source>
        <translation>Hides the groups and the minimal forms so that you draw the groups yourself (Ctrl+G)</translation>
    </message>
    <message>
        <source>&amp;Провери</source>
        <translation>&amp;Check</translation>
    </message>
    <message>
        <source>Проверява очертаните групи</source>
        <translation>Checks the groups drawn</translation>
    </message>
    <message>
        <source>Извод</source>
        <translation>Conclusion</translation>
    </message>
    <message>
        <source>Какво показват картите, или оценката на очертаните групи</source>
        <translation>What the maps show, or the grading of the groups drawn</translation>
    </message>
    <message>
        <source>Извод:</source>
        <translation>Conclusion:</translation>
    </message>
    <message>
        <source>Карта на Карно – %1</source>
        <translation>Karnaugh map – %1</translation>
    </message>
    <message>
        <source>Лява страна</source>
        <translation>Left side</translation>
    </message>
    <message>
        <source>Стойност</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Картата на лявата страна на формулата</source>
        <translation>The map of the formula&apos;s left side</translation>
    </message>
    <message>
        <source>Картата на стойността на формулата</source>
        <translation>The map of the formula&apos;s value</translation>
    </message>
    <message>
        <source>Картите съвпадат</source>
        <translation>The maps match</translation>
    </message>
    <message>
        <source>Картите се различават</source>
        <translation>The maps differ</translation>
    </message>
    <message>
        <source>Минимално покритие %1 от %2.</source>
        <translation>Minimal cover %1 of %2.</translation>
    </message>
    <message>
        <source>Очертай групите на лявата карта с мишката или с клавишите и натисни „Провери“.</source>
        <translation>Draw the groups on the left map with the mouse or the keys, then press &quot;Check&quot;.</translation>
    </message>
    <message>
        <source>Очертай групите на картата с мишката или с клавишите и натисни „Провери“.</source>
        <translation>Draw the groups on the map with the mouse or the keys, then press &quot;Check&quot;.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>български</source>
        <translation>български</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Език / Language</source>
        <translation>Език / Language</translation>
    </message>
</context>
<context>
    <name>ProofSheet</name>
    <message>
        <source>стр. %1 от %2</source>
        <translation>page %1 of %2</translation>
    </message>
    <message>
        <source>там има папка със същото име</source>
        <translation>a folder of the same name is there</translation>
    </message>
    <message>
        <source>папката „%1“ не съществува</source>
        <translation>the folder &quot;%1&quot; does not exist</translation>
    </message>
    <message>
        <source>листът не е записан в „%1“: %2</source>
        <translation>the sheet was not written to &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Булеви закони: доказателства</source>
        <translation>Boolean laws: proofs</translation>
    </message>
    <message>
        <source>файлът не може да се запише</source>
        <translation>the file cannot be written</translation>
    </message>
    <message>
        <source>листът не е отпечатан на „%1“</source>
        <translation>the sheet was not printed on &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Избраният закон (%1: %2)</source>
        <translation>The chosen law (%1: %2)</translation>
    </message>
    <message numerus="yes">
        <source>Всички %n закона</source>
        <translation>
            <numerusform>All %n laws</numerusform>
            <numerusform>All %n laws</numerusform>
        </translation>
    </message>
    <message>
        <source>Кои закони да има листът:</source>
        <translation>Laws on the sheet:</translation>
    </message>
    <message>
        <source>Запази лист с доказателства</source>
        <translation>Save proof sheet</translation>
    </message>
    <message>
        <source>закон-%1.pdf</source>
        <translation>law-%1.pdf</translation>
    </message>
    <message>
        <source>закони.pdf</source>
        <translation>laws.pdf</translation>
    </message>
    <message>
        <source>Печат</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Запази лист с доказателства…</source>
        <translation>Save proof sheet…</translation>
    </message>
    <message>
        <source>Печат…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Лява страна</source>
        <translation>Left side</translation>
    </message>
    <message>
        <source>Дясна страна</source>
        <translation>Right side</translation>
    </message>
    <message>
        <source>Формула: %1</source>
        <translation>Formula: %1</translation>
    </message>
    <message>
        <source>Таблица на истинност</source>
        <translation>Truth table</translation>
    </message>
    <message>
        <source>Карта на Карно</source>
        <translation>Karnaugh map</translation>
    </message>
    <message>
        <source>Доказателства</source>
        <translation>Proofs</translation>
    </message>
    <message>
        <source>Задача %1</source>
        <translation>Task %1</translation>
    </message>
    <message>
        <source>Минимална ДНФ: %1</source>
        <translation>Minimal DNF: %1</translation>
    </message>
    <message>
        <source>Законът: %1</source>
        <translation>The law: %1</translation>
    </message>
    <message>
        <source>Законът:</source>
        <translation>The law:</translation>
    </message>
    <message>
        <source>Отговори</source>
        <translation>Answers</translation>
    </message>
</context>
<context>
    <name>TruthTableWindow</name>
    <message>
        <source>Не е тъждество: страните се различават на 1 от 1 ред (отбелязани с ✗).</source>
        <translation>Not an identity: the sides differ on 1 of 1 row (marked ✗).</translation>
    </message>
    <message>
        <source>Не е тъждество: формулата е невярна на 1 от 1 ред (отбелязани с ✗).</source>
        <translation>Not an identity: the formula is false on 1 of 1 row (marked ✗).</translation>
    </message>
    <message numerus="yes">
        <source>Не е тъждество: страните се различават на %1 от %n реда (отбелязани с ✗).</source>
        <translation>
            <numerusform>Not an identity: the sides differ on %1 of %n row (marked ✗).</numerusform>
            <numerusform>Not an identity: the sides differ on %1 of %n rows (marked ✗).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Не е тъждество: формулата е невярна на %1 от %n реда (отбелязани с ✗).</source>
        <translation>
            <numerusform>Not an identity: the formula is false on %1 of %n row (marked ✗).</numerusform>
            <numerusform>Not an identity: the formula is false on %1 of %n rows (marked ✗).</numerusform>
        </translation>
    </message>
    <message>
        <source>Таблица на истинност</source>
        <translation>Truth table</translation>
    </message>
    <message>
        <source>&amp;Таблица на истинност</source>
        <translation>&amp;Truth table</translation>
    </message>
    <message>
        <source>собствена формула</source>
        <translation>own formula</translation>
    </message>
    <message>
        <source>&amp;Формула:</source>
        <translation>&amp;Formula:</translation>
    </message>
    <message>
        <source>Формула</source>
        <translation>Formula</translation>
    </message>
    <message>
        <source>Формулата на избрания закон. Променете я, за да видите таблицата на своя формула; Escape връща формулата на закона</source>
        <translation>The chosen law&apos;s formula. Change it to see the table of your own formula; Escape brings back the law&apos;s formula</translation>
    </message>
    <message>
        <source>Всички стойности на променливите, по един ред; изберете ред, за да видите доказателството за него</source>
        <translation>Every value of the variables, one per row; choose a row to see its proof</translation>
    </message>
    <message>
        <source>Лява страна</source>
        <translation>Left side</translation>
    </message>
    <message>
        <source>Дясна страна</source>
        <translation>Right side</translation>
    </message>
    <message>
        <source>Стойност</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>страните се различават</source>
        <translation>the sides differ</translation>
    </message>
    <message>
        <source>формулата е невярна</source>
        <translation>the formula is false</translation>
    </message>
    <message>
        <source>&amp;Извод:</source>
        <translation>&amp;Verdict:</translation>
    </message>
    <message>
        <source>Извод</source>
        <translation>Conclusion</translation>
    </message>
    <message>
        <source>Дали двете страни съвпадат на всеки ред</source>
        <translation>Whether both sides agree on every row</translation>
    </message>
    <message>
        <source>Тъждество: двете страни съвпадат на всеки ред.</source>
        <translation>Identity: both sides agree on every row.</translation>
    </message>
    <message>
        <source>Тъждество: формулата е вярна на всеки ред.</source>
        <translation>Identity: the formula is true on every row.</translation>
    </message>
    <message>
        <source>Провери &amp;се</source>
        <translation>&amp;Test yourself</translation>
    </message>
    <message>
        <source>Провери се</source>
        <translation>Test yourself</translation>
    </message>
    <message>
        <source>Упражнение: предскажете стойностите на страните, преди да ги видите (Ctrl+E)</source>
        <translation>Exercise: predict the values of the sides before you see them (Ctrl+E)</translation>
    </message>
    <message>
        <source>&amp;Провери</source>
        <translation>&amp;Check</translation>
    </message>
    <message>
        <source>Провери</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Отбелязва всяка попълнена клетка като вярна или грешна (Enter в таблицата)</source>
        <translation>Marks every filled cell right or wrong (Enter in the table)</translation>
    </message>
    <message>
        <source>Покажи &amp;отговорите</source>
        <translation>Show &amp;answers</translation>
    </message>
    <message>
        <source>Покажи отговорите</source>
        <translation>Show answers</translation>
    </message>
    <message>
        <source>Показва верните стойности до вашите отговори</source>
        <translation>Shows the true values beside your answers</translation>
    </message>
    <message>
        <source>Отна&amp;чало</source>
        <translation>&amp;Restart</translation>
    </message>
    <message>
        <source>Отначало</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>Изчиства всички отговори</source>
        <translation>Clears every answer</translation>
    </message>
    <message>
        <source>Попълнете %1 клетки: 0 и 1 пишат, интервал сменя, Delete изтрива; Enter проверява.</source>
        <translation>Fill in %1 cells: 0 and 1 write, Space toggles, Delete clears; Enter checks.</translation>
    </message>
    <message>
        <source>Верни: %1 от %2</source>
        <translation>Right: %1 of %2</translation>
    </message>
    <message>
        <source>%1 (вярно: %2)</source>
        <translation>%1 (true: %2)</translation>
    </message>
    <message>
        <source>не е попълнена</source>
        <translation>not filled in</translation>
    </message>
    <message>
        <source>попълнена</source>
        <translation>filled in</translation>
    </message>
    <message>
        <source>вярно ✓</source>
        <translation>right ✓</translation>
    </message>
    <message>
        <source>грешно ✗</source>
        <translation>wrong ✗</translation>
    </message>
    <message>
        <source>; верният отговор е %1</source>
        <translation>; the right answer is %1</translation>
    </message>
    <message>
        <source>Формулата на &amp;закона</source>
        <translation>The &amp;law&apos;s formula</translation>
    </message>
    <message>
        <source>Формулата на закона</source>
        <translation>The law&apos;s formula</translation>
    </message>
    <message>
        <source>Връща в полето формулата на избрания закон (Escape в полето)</source>
        <translation>Puts the chosen law&apos;s formula back in the field (Escape in the field)</translation>
    </message>
    <message>
        <source>Грешка на позиция 1000: очаква се променлива (A, B, C), 0, 1, „!“ или „(“</source>
        <translation>Error at position 1000: expected a variable (A, B, C, …, Z), 0, 1, “!” or “(”</translation>
    </message>
</context>
<context>
    <name>VerdictText</name>
    <message>
        <source>при %1: преди %2, след %3</source>
        <translation>at %1: before %2, after %3</translation>
    </message>
    <message>
        <source>вярно: %1</source>
        <translation>correct: %1</translation>
    </message>
    <message>
        <source>вярно, но законът е %1</source>
        <translation>correct, but the law is %1</translation>
    </message>
    <message>
        <source>без промяна: формулата е същата</source>
        <translation>unchanged: the formula is the same</translation>
    </message>
    <message>
        <source>голяма стъпка: равносилно, но не с до три закона</source>
        <translation>big step: equivalent, but not by up to three laws</translation>
    </message>
    <message>
        <source>голяма стъпка: %1</source>
        <translation>big step: %1</translation>
    </message>
    <message>
        <source>честа грешка: %1</source>
        <translation>common mistake: %1</translation>
    </message>
    <message>
        <source>невярно: %1</source>
        <translation>wrong: %1</translation>
    </message>
    <message numerus="yes">
        <source>готово: %n стъпки</source>
        <translation>
            <numerusform>done: %n step</numerusform>
            <numerusform>done: %n steps</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>catalogue</name>
    <message>
        <source>Закон за слепване:  </source>
        <translation>Gluing law:</translation>
    </message>
    <message>
        <source>Закон за слепване: </source>
        <translation>Gluing law:</translation>
    </message>
    <message>
        <source>Закон за поглъщане: </source>
        <translation>Absorption law:</translation>
    </message>
    <message>
        <source>Закон за поглъщане:</source>
        <translation>Absorption law:</translation>
    </message>
    <message>
        <source>Закон за съкращаване (де Морган) NAND: </source>
        <translation>De Morgan&apos;s law (NAND):</translation>
    </message>
    <message>
        <source>Закон за съкращаване (де Морган) NOR:  </source>
        <translation>De Morgan&apos;s law (NOR):</translation>
    </message>
    <message>
        <source>Закон за преместване: </source>
        <translation>Transposition law:</translation>
    </message>
    <message>
        <source>Закон за преместване:  </source>
        <translation>Transposition law:</translation>
    </message>
    <message>
        <source>теореми за асоциативност: </source>
        <translation>Associativity theorem:</translation>
    </message>
    <message>
        <source>теореми за близост: </source>
        <translation>Proximity theorem:</translation>
    </message>
    <message>
        <source>теорема за консенсус:</source>
        <translation>Consensus theorem:</translation>
    </message>
    <message>
        <source>теореми на опростяването: </source>
        <translation>Simplification theorem:</translation>
    </message>
    <message>
        <source>диструбитивен закон:  </source>
        <translation>Distributive law:</translation>
    </message>
    <message>
        <source>функция Xor - сума по модул 2:</source>
        <translation>Xor function, sum modulo 2:</translation>
    </message>
    <message>
        <source>функция импликация, заключение:</source>
        <translation>Implication function, conditional:</translation>
    </message>
    <message>
        <source>функция еквивалентност, равнозначност:</source>
        <translation>Equivalence function, biconditional:</translation>
    </message>
</context>
<context>
    <name>derivations</name>
    <message>
        <source>Комутативен закон</source>
        <translation>Commutative law</translation>
    </message>
    <message>
        <source>Асоциативен закон</source>
        <translation>Associative law</translation>
    </message>
    <message>
        <source>Дистрибутивен закон</source>
        <translation>Distributive law</translation>
    </message>
    <message>
        <source>Закон за идемпотентността</source>
        <translation>Idempotent law</translation>
    </message>
    <message>
        <source>Закон за двойното отрицание</source>
        <translation>Double negation law</translation>
    </message>
    <message>
        <source>Закон за изключеното трето</source>
        <translation>Law of the excluded middle</translation>
    </message>
    <message>
        <source>Закон за противоречието</source>
        <translation>Law of non-contradiction</translation>
    </message>
    <message>
        <source>Закон за неутралния елемент</source>
        <translation>Identity law</translation>
    </message>
    <message>
        <source>Закон за нулевия елемент</source>
        <translation>Annihilation law</translation>
    </message>
    <message>
        <source>Отрицание на константа</source>
        <translation>Negation of a constant</translation>
    </message>
    <message>
        <source>Закон на де Морган</source>
        <translation>De Morgan&apos;s law</translation>
    </message>
    <message>
        <source>Определение на Xor</source>
        <translation>Definition of Xor</translation>
    </message>
    <message>
        <source>Определение на импликацията</source>
        <translation>Definition of implication</translation>
    </message>
    <message>
        <source>Определение на еквивалентността</source>
        <translation>Definition of equivalence</translation>
    </message>
    <message>
        <source>Закон за поглъщане</source>
        <translation>Absorption law</translation>
    </message>
    <message>
        <source>Закон за слепване</source>
        <translation>Gluing law</translation>
    </message>
    <message>
        <source>Закон за преместване</source>
        <translation>Transposition law</translation>
    </message>
    <message>
        <source>Теорема за консенсус</source>
        <translation>Consensus theorem</translation>
    </message>
    <message>
        <source>Теорема за опростяване</source>
        <translation>Simplification theorem</translation>
    </message>
    <message>
        <source>де Морган без смяна на операцията</source>
        <translation>De Morgan without swapping the operation</translation>
    </message>
    <message>
        <source>отрицанието не е пренесено на всички членове</source>
        <translation>the negation is not carried to every operand</translation>
    </message>
    <message>
        <source>грешно разпределяне</source>
        <translation>wrong distribution</translation>
    </message>
    <message>
        <source>грешно поглъщане</source>
        <translation>wrong absorption</translation>
    </message>
    <message>
        <source>обърната импликация</source>
        <translation>reversed implication</translation>
    </message>
    <message>
        <source>разменени константи</source>
        <translation>swapped constants</translation>
    </message>
    <message>
        <source>Xor като дизюнкция</source>
        <translation>Xor taken as disjunction</translation>
    </message>
    <message>
        <source>идемпотентност, сбъркана с константа</source>
        <translation>idempotence mistaken for a constant</translation>
    </message>
    <message>
        <source>идемпотентност, където не важи</source>
        <translation>idempotence where it does not hold</translation>
    </message>
    <message>
        <source>грешка с допълнението</source>
        <translation>complement mistake</translation>
    </message>
    <message>
        <source>грешно премахване на импликацията</source>
        <translation>wrong removal of the implication</translation>
    </message>
    <message>
        <source>отрицание на импликацията</source>
        <translation>negation of the implication</translation>
    </message>
    <message>
        <source>импликацията не е асоциативна</source>
        <translation>the implication is not associative</translation>
    </message>
    <message>
        <source>грешно премахване на еквивалентността</source>
        <translation>wrong removal of the equivalence</translation>
    </message>
    <message>
        <source>отрицанието е изгубено</source>
        <translation>the negation is lost</translation>
    </message>
    <message>
        <source>отрицанието е приложено само към първия член</source>
        <translation>the negation is applied to the first term only</translation>
    </message>
    <message>
        <source>де Морган с излишно отрицание</source>
        <translation>De Morgan with a needless negation</translation>
    </message>
    <message>
        <source>отрицанието е изгубено при разпределяне</source>
        <translation>the negation is lost in distribution</translation>
    </message>
</context>
<context>
    <name>display</name>
    <message>
        <source>%1: няма достъпен графичен дисплей (no display); стартирайте под Xvfb: xvfb-run -a %1
</source>
        <translation>%1: no graphical display is available; run it under Xvfb: xvfb-run -a %1
</translation>
    </message>
</context>
<context>
    <name>exercises</name>
    <message>
        <source>Докажи</source>
        <translation>Prove</translation>
    </message>
    <message>
        <source>Опрости</source>
        <translation>Simplify</translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Карта</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Закон</source>
        <translation>Law</translation>
    </message>
    <message>
        <source>лесно</source>
        <translation>easy</translation>
    </message>
    <message>
        <source>средно</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>трудно</source>
        <translation>hard</translation>
    </message>
</context>
</TS>
