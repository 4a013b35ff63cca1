<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Calendar</name>
    <message>
        <source>January</source>
        <translation>Styczeń</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Luty</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzec</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Kwiecień</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Czerwiec</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Lipiec</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Sierpień</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Wrzesień</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Październik</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Listopad</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Grudzień</translation>
    </message>
</context>
<context>
    <name>CalendarDate</name>
    <message>
        <source>January</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>stycznia</translation>
    </message>
    <message>
        <source>February</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>lutego</translation>
    </message>
    <message>
        <source>March</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>marca</translation>
    </message>
    <message>
        <source>April</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>kwietnia</translation>
    </message>
    <message>
        <source>May</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>maja</translation>
    </message>
    <message>
        <source>June</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>czerwca</translation>
    </message>
    <message>
        <source>July</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>lipca</translation>
    </message>
    <message>
        <source>August</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>sierpnia</translation>
    </message>
    <message>
        <source>September</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>września</translation>
    </message>
    <message>
        <source>October</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>października</translation>
    </message>
    <message>
        <source>November</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>listopada</translation>
    </message>
    <message>
        <source>December</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>grudnia</translation>
    </message>
</context>
<context>
    <name>ResultNotes</name>
    <message>
        <source>%1 %2 %3</source>
        <comment>a date: day, month name, year</comment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>a date on the first of a month: day, month name, year</comment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>The sign comes from the original table, which covers %1 to %2.</source>
        <translation>Znak pochodzi z oryginalnej tabeli, która obejmuje lata %1–%2.</translation>
    </message>
    <message>
        <source>On this day the table has Eros moving from %1 into %2; it gives no hour.</source>
        <translation>Według tabeli tego dnia Eros przechodzi ze znaku %1 do znaku %2; tabela nie podaje godziny.</translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for %1 UT on this day.</source>
        <translation>Znak obliczono na podstawie orbity Erosa według JPL, dla godziny %1 UT tego dnia.</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2.</source>
        <translation>Odpowiedź dla: %1, data urodzenia: %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>days and hours</comment>
        <translation>%1 i %2</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n dzień</numerusform>
            <numerusform>%n dni</numerusform>
            <numerusform>%n dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n godzinę</numerusform>
            <numerusform>%n godziny</numerusform>
            <numerusform>%n godzin</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>hours and minutes</comment>
        <translation>%1 i %2</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minutę</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
        </translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>mniej niż minutę</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>two signs, when the birth time decides</comment>
        <translation>%1 lub %2</translation>
    </message>
    <message>
        <source>%1 UT on %2</source>
        <comment>a moment in UT: time, date</comment>
        <translation>%1 UT dnia %2</translation>
    </message>
    <message>
        <source>%1, which was %2 on %3 local time (%4)</source>
        <comment>a UT moment, then the local time, date and clock</comment>
        <translation>%1, czyli %2 dnia %3 czasu lokalnego (%4)</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2 at %3.</source>
        <translation>Odpowiedź dla: %1, data urodzenia: %2, godz. %3.</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2 at %3 in %4.</source>
        <translation>Odpowiedź dla: %1, data urodzenia: %2, godz. %3, miejsce: %4.</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2 in %3.</source>
        <translation>Odpowiedź dla: %1, data urodzenia: %2, miejsce: %3.</translation>
    </message>
    <message>
        <source>No birthplace was given: this computer&apos;s time zone stands in for it.</source>
        <translation>Nie podano miejsca urodzenia: zamiast niego obowiązuje strefa czasowa tego komputera.</translation>
    </message>
    <message>
        <source>The clocks there showed that time twice: at %1 and at %2.</source>
        <translation>Zegary pokazywały tam tę godzinę dwa razy: o %1 i o %2.</translation>
    </message>
    <message>
        <source>You were born at %1 (%2).</source>
        <translation>Moment twoich narodzin: %1 (%2).</translation>
    </message>
    <message>
        <source>You were born at %1.</source>
        <translation>Moment twoich narodzin: %1.</translation>
    </message>
    <message>
        <source>You were born at %1 on %2 local time (%3), which was %4.</source>
        <translation>Moment twoich narodzin: %1 dnia %2 czasu lokalnego (%3), czyli %4.</translation>
    </message>
    <message>
        <source>Eros had entered %1 %2 before your birth and moved on into %3 %4 after it.</source>
        <translation>Eros wszedł do znaku %1 %2 przed twoimi narodzinami, a %4 po nich przeszedł do znaku %3.</translation>
    </message>
    <message>
        <source>Eros moved from %1 into %2 at %3.</source>
        <translation>Eros przeszedł ze znaku %1 do znaku %2 o %3.</translation>
    </message>
    <message>
        <source>If you were born before %1, Eros was in %2; if later, in %3.</source>
        <translation>Przy narodzinach przed %1 Eros był w znaku %2, przy późniejszych – w znaku %3.</translation>
    </message>
    <message>
        <source>%1 UT</source>
        <translation>%1 UT</translation>
    </message>
    <message>
        <source>%1 local time</source>
        <translation>%1 czasu lokalnego</translation>
    </message>
    <message>
        <source>Give your time of birth for one sign.</source>
        <translation>Podaj godzinę urodzenia, aby otrzymać jeden znak.</translation>
    </message>
    <message>
        <source>Eros was then within %1″ of the boundary between %2 and %3, closer than the model&apos;s error: the sign could be either.</source>
        <translation>Eros był wtedy mniej niż %1″ od granicy między znakami %2 i %3, czyli bliżej, niż sięga błąd modelu: znak może być jednym albo drugim.</translation>
    </message>
    <message>
        <source>retrograde ℞</source>
        <comment>Eros moving backwards through the signs</comment>
        <translation>retrogradacyjny ℞</translation>
    </message>
    <message>
        <source>In the computed sky Eros stood at %1.</source>
        <translation>Na obliczonym niebie Eros znajdował się w punkcie %1.</translation>
    </message>
    <message>
        <source>Eros stood at %1.</source>
        <translation>Eros znajdował się w punkcie %1.</translation>
    </message>
    <message>
        <source>In the computed sky Eros stood at %1, %2.</source>
        <translation>Na obliczonym niebie Eros znajdował się w punkcie %1, %2.</translation>
    </message>
    <message>
        <source>Eros stood at %1, %2.</source>
        <translation>Eros znajdował się w punkcie %1, %2.</translation>
    </message>
    <message>
        <source>Over the day in UT Eros moved from %1 to %2.</source>
        <translation>W ciągu doby w UT Eros przeszedł z punktu %1 do punktu %2.</translation>
    </message>
    <message>
        <source>Over the local day Eros moved from %1 to %2.</source>
        <translation>W ciągu doby lokalnej Eros przeszedł z punktu %1 do punktu %2.</translation>
    </message>
    <message>
        <source>In the computed sky, over the day in UT, Eros moved from %1 to %2.</source>
        <translation>Na obliczonym niebie w ciągu doby w UT Eros przeszedł z punktu %1 do punktu %2.</translation>
    </message>
    <message>
        <source>In the computed sky, over the local day, Eros moved from %1 to %2.</source>
        <translation>Na obliczonym niebie w ciągu doby lokalnej Eros przeszedł z punktu %1 do punktu %2.</translation>
    </message>
    <message>
        <source>Eros was %1 all day.</source>
        <translation>Eros był %1 przez cały dzień.</translation>
    </message>
    <message>
        <source>Eros stood still at %1 and then turned %2.</source>
        <translation>Eros zatrzymał się o %1, a potem stał się %2.</translation>
    </message>
    <message>
        <source>Eros stood still at %1 and then turned direct.</source>
        <translation>Eros zatrzymał się o %1, a potem wrócił do ruchu prostego.</translation>
    </message>
    <message>
        <source>That is in %1, not in the table&apos;s %2, which the program keeps.</source>
        <translation>To punkt w znaku %1, a nie w znaku %2 z tabeli, który program zachowuje.</translation>
    </message>
    <message>
        <source>Eros at %1, %2</source>
        <translation>Eros w punkcie %1, %2</translation>
    </message>
    <message>
        <source>retrograde</source>
        <translation>retrogradacyjny</translation>
    </message>
    <message>
        <source>Eros at %1</source>
        <translation>Eros w punkcie %1</translation>
    </message>
    <message>
        <source>A zodiac wheel with Eros at %1 and the Sun at %2.</source>
        <translation>Koło zodiaku z Erosem w punkcie %1 i Słońcem w punkcie %2.</translation>
    </message>
    <message>
        <source>A zodiac wheel with Eros at %1.</source>
        <translation>Koło zodiaku z Erosem w punkcie %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>a span of years</comment>
        <translation>lat %1–%2</translation>
    </message>
    <message>
        <source>The computed sky has that change at %1.</source>
        <translation>Według obliczonego nieba ta zmiana następuje o %1.</translation>
    </message>
    <message>
        <source>The reading shown is for %1, the sign before the change: by the computed sky, for births before %2 UT on %3.</source>
        <translation>Pokazana interpretacja dotyczy znaku %1, znaku sprzed zmiany: według obliczonego nieba dla narodzin przed %2 UT dnia %3.</translation>
    </message>
    <message>
        <source>at the moment of your birth</source>
        <translation>w chwili twoich narodzin</translation>
    </message>
    <message>
        <source>at %1 UT on this day</source>
        <translation>o %1 UT tego dnia</translation>
    </message>
    <message>
        <source>The computed sky puts Eros in %1 %2; for %3 the program keeps the original table&apos;s answer, %4.</source>
        <translation>Obliczone niebo stawia Erosa w znaku %1 %2; dla %3 program zachowuje odpowiedź oryginalnej tabeli, znak %4.</translation>
    </message>
    <message>
        <source>The reading shown is for %1, where the computed sky puts Eros; the program answers with the table&apos;s %2.</source>
        <translation>Pokazana interpretacja dotyczy znaku %1, w którym obliczone niebo stawia Erosa; program odpowiada znakiem %2 z tabeli.</translation>
    </message>
    <message>
        <source>The computed sky has Eros moving from %1 into %2 at %3.</source>
        <translation>Według obliczonego nieba Eros przechodzi ze znaku %1 do znaku %2 o %3.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births before %2.</source>
        <translation>Pokazana interpretacja dotyczy znaku %1: dla narodzin przed %2.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births at or after %2.</source>
        <translation>Pokazana interpretacja dotyczy znaku %1: dla narodzin o %2 lub później.</translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for the moment of your birth.</source>
        <translation>Znak obliczono na podstawie orbity Erosa według JPL, dla chwili twoich narodzin.</translation>
    </message>
    <message>
        <source>At the first Eros was in %1, at the second in %2.</source>
        <translation>W pierwszej z tych chwil Eros był w znaku %1, w drugiej – w znaku %2.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for a birth at the first of the two.</source>
        <translation>Pokazana interpretacja dotyczy znaku %1: dla narodzin w pierwszej z tych dwóch chwil.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for a birth at the second of the two.</source>
        <translation>Pokazana interpretacja dotyczy znaku %1: dla narodzin w drugiej z tych dwóch chwil.</translation>
    </message>
    <message>
        <source>The reading shown is for %1, the sign Eros was in or entered within the model&apos;s error of your birth.</source>
        <translation>Pokazana interpretacja dotyczy znaku %1, w którym Eros był lub do którego wszedł w granicach błędu modelu od chwili twoich narodzin.</translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for the whole day at the birthplace.</source>
        <translation>Znak obliczono na podstawie orbity Erosa według JPL, dla całego dnia w miejscu urodzenia.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births before %2 local time.</source>
        <translation>Pokazana interpretacja dotyczy znaku %1: dla narodzin przed %2 czasu lokalnego.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births at or after %2 local time.</source>
        <translation>Pokazana interpretacja dotyczy znaku %1: dla narodzin o %2 czasu lokalnego lub później.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a position: degree and minute within the sign, the sign</comment>
        <translation>%1 znaku %2</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>No web browser could be started to open this page. Install xdg-utils and a web browser, or copy the address below into a browser yourself.</source>
        <translation>Nie udało się uruchomić przeglądarki, aby otworzyć tę stronę. Zainstaluj xdg-utils i przeglądarkę albo skopiuj poniższy adres do przeglądarki samodzielnie.</translation>
    </message>
    <message>
        <source>No web browser could be started to open this page. Copy the address below into a browser yourself.</source>
        <translation>Nie udało się uruchomić przeglądarki, aby otworzyć tę stronę. Skopiuj poniższy adres do przeglądarki samodzielnie.</translation>
    </message>
    <message>
        <source>Address of the page</source>
        <translation>Adres strony</translation>
    </message>
</context>
<context>
    <name>Sign</name>
    <message>
        <source>Aries</source>
        <translation>Baran</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Byk</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Bliźnięta</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Rak</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Lew</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Panna</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waga</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Strzelec</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Koziorożec</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wodnik</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Ryby</translation>
    </message>
</context>
<context>
    <name>SignReadings</name>
    <message>
        <source>The placement or Eros in this cardinal fire sign is a spark thrown into dry grass. Mars, ruler of Aries, lends your desire speed and daring, so you fall for someone in a heartbeat and see no reason to wait for permission. You love the chase as much as the prize, and a partner who plays a little hard to get keeps your pulse racing. In bed you are direct, playful and generous with your energy, preferring honest hunger to coy games. Boredom is your real rival; routine cools you faster than any quarrel. Learn to linger, because tenderness shown slowly can be as thrilling as a sudden kiss. The lover who can match your courage and still slow you down now and then will hold your heart for a very long time.</source>
        <translation>Eros w tym kardynalnym znaku ognia to iskra rzucona na suchą trawę. Mars, władca Barana, dodaje twojemu pożądaniu szybkości i śmiałości: zakochujesz się w mgnieniu oka i nie widzisz powodu, by czekać na pozwolenie. Pościg kochasz tak samo jak zdobycz, a ktoś, kto trochę się droczy, przyspiesza ci puls. W łóżku stawiasz na bezpośredniość, zabawę i hojnie dzielisz się energią; szczery głód wolisz od udawanej skromności. Twoim prawdziwym rywalem jest nuda: rutyna studzi cię szybciej niż jakakolwiek kłótnia. Naucz się nie spieszyć, bo czułość okazywana powoli potrafi ekscytować jak nagły pocałunek. Kto dorówna ci odwagą, a mimo to czasem cię spowolni, zatrzyma twoje serce na bardzo długo.</translation>
    </message>
    <message>
        <source>Dominated by the goddess of love, Venus, Taurus is steeped in sensual pleasure, and Eros here turns desire into something you can touch, taste and savour. You never hurry. Seduction for you is a long, slow dinner by candlelight, silk sheets, a favourite song and the warmth of skin against skin. Once you have chosen a partner you are loyal, affectionate and deeply devoted, and you expect the same steadiness in return. Your earthy nature makes you a patient, attentive lover who remembers precisely what pleases. Possessiveness can creep in when you feel insecure, so let trust do the work that jealousy never could. Given time and comfort, your passion grows richer every year.</source>
        <translation>Byk, którym rządzi Wenus, bogini miłości, jest przesycony zmysłową rozkoszą, a Eros zamienia tu pożądanie w coś, czego można dotknąć, skosztować i delektować się tym. Nigdy się nie spieszysz. Uwodzenie to dla ciebie długa, spokojna kolacja przy świecach, jedwabna pościel, ulubiona piosenka i ciepło skóry przy skórze. Gdy już wybierzesz partnera lub partnerkę, dajesz wierność, czułość i głębokie oddanie, i oczekujesz w zamian tej samej stałości. Twoja ziemska natura czyni z ciebie cierpliwą i uważną osobę, która dokładnie pamięta, co sprawia przyjemność. W chwilach niepewności może wkraść się zaborczość, więc pozwól zaufaniu zdziałać to, czego zazdrość nigdy nie zdziała. Z czasem i w poczuciu bezpieczeństwa twoja namiętność z roku na rok staje się bogatsza.</translation>
    </message>
    <message>
        <source>When Eros is coupled with Gemini, the sign of communication, desire begins in the mind. Ruled by quick-witted Mercury, you are seduced by clever words, teasing messages and long late-night conversations that wander everywhere. A partner who cannot keep up with your banter will not hold your interest, however attractive. You like variety and flirt almost without noticing, which can make others wonder how serious you are. Love for you must stay light on its feet, curious and full of surprises; the cliché of roses every Friday leaves you cold. When you find someone who is both playmate and best friend, your restless airy heart settles happily at last.  </source>
        <translation>Gdy Eros łączy się z Bliźniętami, znakiem komunikacji, pożądanie rodzi się w głowie. Znakiem rządzi bystry Merkury, więc uwodzą cię błyskotliwe słowa, zaczepne wiadomości i długie nocne rozmowy, które krążą wokół wszystkiego. Kto nie nadąża za twoimi żartami, nie utrzyma twojej uwagi, choćby był bardzo atrakcyjny. Lubisz różnorodność i flirtujesz prawie bezwiednie, przez co inni zastanawiają się, na ile mówisz poważnie. Miłość musi być dla ciebie lekka, ciekawa świata i pełna niespodzianek; banał róż w każdy piątek nie robi na tobie wrażenia. Gdy znajdziesz kogoś, kto jest jednocześnie kimś do zabawy i najbliższą ci osobą, twoje niespokojne, powietrzne serce wreszcie szczęśliwie się uspokaja.</translation>
    </message>
    <message>
        <source>A person with Eros in Cancer is eager to share a home as well as a bed. Ruled by the Moon, this water sign makes your desire tidal, rising and falling with your moods and with how safe you feel.  You need emotional closeness before physical intimacy can truly flower, and you give yourself fully once you trust. Caring for a partner is one of your deepest pleasures: cooking for them, remembering their childhood stories, holding them close when the world outside turns harsh. Under your protective shell lies a sensitive and romantic soul who can be deeply hurt by a careless word. You may retreat when wounded, so a lover must learn patience. Treated tenderly, you return a devotion that lasts a lifetime. </source>
        <translation>Osoba z Erosem w Raku pragnie dzielić nie tylko łóżko, ale i dom. Tym wodnym znakiem rządzi Księżyc, więc twoje pożądanie przypomina przypływy i odpływy: rośnie i opada wraz z nastrojem i poczuciem bezpieczeństwa. Potrzebujesz bliskości emocjonalnej, zanim fizyczna intymność naprawdę rozkwitnie, a gdy ufasz, oddajesz się całkowicie. Troska o partnera to jedna z twoich najgłębszych przyjemności: gotowanie dla ukochanej osoby, pamiętanie jej historii z dzieciństwa, mocne przytulanie, gdy świat na zewnątrz staje się surowy. Pod ochronną skorupą kryje się wrażliwa, romantyczna dusza, którą nieostrożne słowo potrafi głęboko zranić. Zraniony Rak często się wycofuje, więc kto cię kocha, musi nauczyć się cierpliwości. Gdy otacza cię czułość, odwzajemniasz ją oddaniem na całe życie.</translation>
    </message>
    <message>
        <source>When Eros, the God of love occupies this fiery sign, romance becomes a grand performance and you are its radiant star. Ruled by the Sun, you love with warmth, generosity and a flair for drama. You want to be adored, admired and told so often, and in return you shower your partner with attention, gifts and loyal affection. Passion for you is bold and playful; you enjoy dressing up, setting the scene and making each night feel like an occasion. Pride is your weak spot, since a bruised ego can turn your fire into sulking. Choose a lover who applauds you sincerely and is confident enough to shine beside you. Together you can make a love story worth retelling.</source>
        <translation>Gdy Eros, bóg miłości, zajmuje ten ognisty znak, romans staje się wielkim przedstawieniem, a ty jego promienną gwiazdą. Znakiem rządzi Słońce, więc kochasz z ciepłem, hojnością i zamiłowaniem do dramatu. Pragniesz uwielbienia i podziwu, i chcesz często o tym słyszeć, a w zamian obsypujesz partnera uwagą, prezentami i wierną czułością. Twoja namiętność jest śmiała i figlarna; lubisz się stroić, przygotowywać scenę i z każdej nocy robić wydarzenie. Duma to twój słaby punkt, bo zranione ego potrafi zamienić twój ogień w dąsy. Wybierz kogoś, kto szczerze ci kibicuje i ma dość pewności siebie, by błyszczeć u twojego boku. Razem możecie stworzyć historię miłosną wartą opowiadania.</translation>
    </message>
    <message>
        <source>Whimsical and moody at times, you are a fine combination of cool reason and hidden sensuality. Mercury rules this earth sign, so you study a potential partner carefully before you let anyone close, noticing each small gesture and each broken promise. Your standards are high and you can be critical, yet that same attention to detail makes you a thoughtful and devoted lover. You show affection through practical care, fixing what is broken, planning the perfect weekend, quietly remembering what your partner likes. Beneath a modest, reserved exterior lies a surprisingly earthy appetite that only a trusted lover ever sees. Let go of the need for perfection and allow yourself to be adored as you are, flaws and all, and passion will follow naturally</source>
        <translation>Bywasz kapryśną i zmienną osobą, a łączysz w sobie chłodny rozum i ukrytą zmysłowość. Tym ziemskim znakiem rządzi Merkury, więc dokładnie przyglądasz się potencjalnemu partnerowi, zanim kogoś do siebie dopuścisz, i dostrzegasz każdy drobny gest i każdą złamaną obietnicę. Masz wysokie wymagania i potrafisz krytykować, ale ta sama dbałość o szczegóły czyni cię troskliwą i oddaną osobą w miłości. Uczucia okazujesz praktyczną troską: naprawiasz, co zepsute, planujesz idealny weekend, po cichu zapamiętujesz, co lubi twój partner. Pod skromną, powściągliwą powierzchownością kryje się zaskakująco zmysłowy apetyt, który widzi tylko ktoś, komu ufasz. Porzuć potrzebę perfekcji i pozwól się kochać za to, kim jesteś, z wadami i zaletami, a namiętność przyjdzie sama.</translation>
    </message>
    <message>
        <source>Taking part in many activities with your partner is essential to you, because for Libra love is a shared adventure rather than a private refuge. Venus rules this airy sign, giving you charm, grace and a keen eye for beauty. You are drawn to elegant, refined people and you court them with compliments, good taste and gentle persuasion. Harmony matters to you enormously; arguments upset your balance, and you may keep quiet rather than risk a scene. In intimacy you are considerate and romantic, always attentive to what pleases the other person. The risk is losing yourself in trying to be the perfect companion. Speak up for your own desires, and you will find a partnership of true equals. </source>
        <translation>Wspólne zajęcia z partnerem są dla ciebie niezbędne, bo dla Wagi miłość to raczej wspólna przygoda niż prywatne schronienie. Tym powietrznym znakiem rządzi Wenus, która daje ci urok, wdzięk i wyczucie piękna. Pociągają cię ludzie eleganccy i wyrafinowani, a zalecasz się do nich komplementami, dobrym gustem i łagodną perswazją. Harmonia ogromnie się dla ciebie liczy; kłótnie wytrącają cię z równowagi i możesz woleć milczeć, niż ryzykować awanturę. W intymności stawiasz na delikatność i romantyzm, zawsze z uwagą na to, co sprawia przyjemność drugiej osobie. Ryzyko polega na tym, że zatracisz siebie w staraniach, by być dla kogoś ideałem. Mów głośno o własnych pragnieniach, a znajdziesz związek naprawdę równych sobie ludzi.</translation>
    </message>
    <message>
        <source>The most intriguing position of 12 zodiacs, Eros is all intensity in Scorpio. Ruled by Pluto and Mars, this water sign gives you a magnetic, nearly hypnotic pull that others feel the very moment you walk into a crowded room. Desire for you is never casual; you want to merge body and soul with a partner and discover every secret they keep. Your passion is deep, loyal and transformative, yet you guard your own vulnerability fiercely. Jealousy and a need to control can surface when trust is shaken, and you rarely if ever forgive betrayal. A lover who is honest, brave and unafraid of emotional depth will share with you a bond unlike any other. </source>
        <translation>To najbardziej intrygujące położenie spośród dwunastu znaków: w Skorpionie Eros jest czystą intensywnością. Tym wodnym znakiem rządzą Pluton i Mars, dając ci magnetyczny, niemal hipnotyczny urok, który inni czują w chwili, gdy wchodzisz do zatłoczonej sali. Pożądanie nigdy nie jest dla ciebie przelotne; chcesz stopić się z partnerem ciałem i duszą i poznać każdy jego sekret. Twoja namiętność jest głęboka, wierna i przemieniająca, a jednak zaciekle strzeżesz własnej wrażliwości. Zazdrość i potrzeba kontroli mogą dojść do głosu, gdy zaufanie się zachwieje, a zdrady wybaczasz rzadko albo nigdy. Ktoś uczciwy, odważny i niebojący się emocjonalnej głębi stworzy z tobą więź jak żadna inna.</translation>
    </message>
    <message>
        <source>If you have Eros in Sagittarius, you are keen to explore the world and your own heart with equal enthusiasm. Jupiter, the planet of expansion, rules this fire sign, so your love life tends to be generous, optimistic and full of laughter.  You are attracted to people from different backgrounds, bold thinkers and fellow travellers who can talk philosophy over breakfast in a foreign city. Freedom is precious; a partner who tries to fence you in will soon find the gate open and you gone. In bed you are spontaneous, open-minded and cheerful, treating pleasure as one more adventure. Honesty comes naturally, though sometimes too bluntly for gentler hearts. Commitment is possible when it feels like a journey rather than a cage. Share your dreams, pack light, and let your lover walk beside you rather than behind you, and the road ahead will be bright. </source>
        <translation>Jeśli masz Erosa w Strzelcu, z równym zapałem odkrywasz świat i własne serce. Tym ognistym znakiem rządzi Jowisz, planeta ekspansji, więc twoje życie miłosne jest zwykle hojne, optymistyczne i pełne śmiechu. Pociągają cię ludzie o innym pochodzeniu, śmiali myśliciele i towarzysze podróży, z którymi można rozmawiać o filozofii przy śniadaniu w obcym mieście. Wolność jest bezcenna; kto spróbuje cię ogrodzić, szybko znajdzie otwartą furtkę i pustkę po tobie. W łóżku stawiasz na spontaniczność, otwartość i radość, a przyjemność traktujesz jak kolejną przygodę. Szczerość przychodzi ci naturalnie, choć czasem jest zbyt bezpośrednia dla delikatniejszych serc. Związek jest możliwy, gdy przypomina podróż, a nie klatkę. Dziel się marzeniami, podróżuj z lekkim bagażem i pozwól ukochanej osobie iść obok ciebie, a nie za tobą, a droga przed tobą będzie jasna.</translation>
    </message>
    <message>
        <source>Judgmental in your attitude towards others, you will never indulge in a romance that you consider unworthy of your time. Saturn rules this earth sign, making you cautious, ambitious and reserved in matters of the heart. You take love seriously and prefer a partner with status, discipline and clear goals. Courtship with you is slow and deliberate, and some may mistake your restraint for coldness. Yet behind that composed exterior lies a strong physical nature and a surprisingly dry, wicked sense of humour. Once committed, you are faithful, protective and dependable, building a relationship as carefully as a career. Allow yourself to relax and play, because even the most solid mountain needs spring.</source>
        <translation>Surowo oceniasz innych i nigdy nie wdajesz się w romans, który uważasz za niewart twojego czasu. Tym ziemskim znakiem rządzi Saturn, który daje ci ostrożność, ambicję i powściągliwość w sprawach serca. Traktujesz miłość poważnie i wolisz partnera z pozycją, dyscypliną i jasnymi celami. Zalecasz się powoli i z namysłem, a niektórzy mogą wziąć twoją powściągliwość za chłód. A jednak pod tą opanowaną powierzchownością kryje się silna fizyczna natura i zaskakująco suche, złośliwe poczucie humoru. Gdy już się zwiążesz, dajesz wierność, opiekę i niezawodność, budując związek tak starannie jak karierę. Pozwól sobie na odpoczynek i zabawę, bo nawet najtrwalsza góra potrzebuje wiosny.</translation>
    </message>
    <message>
        <source>Following the same well-trodden path is not your way of loving. With Eros in this air sign ruled by Uranus, you are drawn to the unusual, the eccentric and the gifted. Friendship is the foundation of every romance for you, and a partner must first win your mind before winning your body. You value independence highly and can seem detached, even when your feelings run strong. Unconventional arrangements do not frighten you, and you enjoy experimenting with new ideas in love as in life. Possessive or clingy lovers make you feel trapped. Someone who respects your space, shares your ideals and surprises you now and then will find you loyal in your own original way. </source>
        <translation>Chodzenie tą samą utartą ścieżką to nie twój sposób kochania. Z Erosem w tym powietrznym znaku, którym rządzi Uran, pociąga cię to, co niezwykłe, ekscentryczne i utalentowane. Przyjaźń jest dla ciebie podstawą każdego romansu, a partner musi najpierw zdobyć twój umysł, zanim zdobędzie ciało. Bardzo cenisz niezależność i możesz sprawiać wrażenie zdystansowanej osoby, nawet gdy twoje uczucia są silne. Niekonwencjonalne układy cię nie przerażają, a nowe pomysły lubisz wypróbowywać w miłości tak samo jak w życiu. Zaborczość i kurczowe trzymanie się przez drugą osobę budzą w tobie poczucie uwięzienia. Kto szanuje twoją przestrzeń, podziela twoje ideały i od czasu do czasu cię zaskakuje, odkryje w tobie wierność na twój własny, oryginalny sposób.</translation>
    </message>
    <message>
        <source>In this sign, Eros loses his self assertive ego even as he gains a boundless capacity for tenderness. Ruled by Neptune, this water sign makes you dreamy, compassionate and deeply romantic. You long for a soul mate and may idealise a lover, seeing the poet rather than the person. Intimacy for you is a spiritual experience as much as a physical one, full of soft music, candlelight and whispered fantasies. You sense a partner&apos;s needs intuitively and give without ever keeping score. Be wary of rescuing wounded souls, since sacrifice can turn into a sad cliché of the martyr in love. With a kind and grounded companion, your imagination turns love into poetry.</source>
        <translation>W tym znaku Eros traci swoje pewne siebie ego, ale zyskuje bezgraniczną zdolność do czułości. Tym wodnym znakiem rządzi Neptun, dając ci marzycielską, współczującą i głęboko romantyczną naturę. Tęsknisz za bratnią duszą i możesz idealizować ukochaną osobę, widząc w niej raczej poetę niż człowieka. Intymność jest dla ciebie przeżyciem duchowym w tym samym stopniu co fizycznym, pełnym łagodnej muzyki, blasku świec i szeptanych fantazji. Intuicyjnie wyczuwasz potrzeby partnera i dajesz, nigdy nie licząc. Uważaj na ratowanie zranionych dusz, bo poświęcenie może zamienić się w smutny banał męczennika miłości. U boku życzliwej, twardo stąpającej po ziemi osoby twoja wyobraźnia zamienia miłość w poezję.</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>starkindle: cannot write the answer: %1
</source>
        <translation>starkindle: nie można zapisać odpowiedzi: %1
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a date from %2-01-01 to %3-12-31 (YYYY-MM-DD, optionally with THH:MM and Z, +HH:MM or -HH:MM)
</source>
        <translation>starkindle: „%1” nie jest datą od %2-01-01 do %3-12-31 (RRRR-MM-DD, ewentualnie z THH:MM oraz Z, +HH:MM lub -HH:MM)
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is a local time the clocks skip in this time zone
</source>
        <translation>starkindle: „%1” to czas lokalny, który zegary w tej strefie czasowej pomijają
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a moment from %2-01-01T00:00Z to %3-12-31T23:59Z
</source>
        <translation>starkindle: „%1” nie jest chwilą od %2-01-01T00:00Z do %3-12-31T23:59Z
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; happens twice in this time zone, in two signs: add its UTC offset (+HH:MM or -HH:MM)
</source>
        <translation>starkindle: „%1” występuje w tej strefie czasowej dwa razy, w dwóch znakach: dodaj przesunięcie względem UTC (+HH:MM lub -HH:MM)
</translation>
    </message>
    <message>
        <source>starkindle: option &apos;--sign&apos; needs at least one date
</source>
        <translation>starkindle: opcja „--sign” wymaga co najmniej jednej daty
</translation>
    </message>
    <message>
        <source>starkindle: cannot read standard input: %1
</source>
        <translation>starkindle: nie można czytać ze standardowego wejścia: %1
</translation>
    </message>
    <message>
        <source>starkindle: option &apos;%1&apos; needs a value
</source>
        <translation>starkindle: opcja „%1” wymaga wartości
</translation>
    </message>
    <message>
        <source>starkindle: unrecognized option &apos;%1&apos;
</source>
        <translation>starkindle: nieznana opcja „%1”
</translation>
    </message>
    <message>
        <source>starkindle: unexpected argument &apos;%1&apos;
</source>
        <translation>starkindle: nieoczekiwany argument „%1”
</translation>
    </message>
    <message>
        <source>Usage: starkindle [OPTION]...
  or:  starkindle --sign [--zone ZONE | --place NAME] DATE[THH:MM[OFFSET]]...
Tells the zodiac sign in which the asteroid Eros stood on a birthday
between %1 and %2, with a reading for that sign.
For %3 to %4 the sign comes from the program&apos;s original table; for
the other years from an ephemeris computed from JPL&apos;s orbit of Eros,
at 12:00 UT of the date.

Options:
  -h, --help         show this help and exit
      --version      show the version and exit
      --sign DATE... print &apos;DATE SIGN&apos; for each date (YYYY-MM-DD, from
                     %1-01-01 to %2-12-31) and exit, no display needed.
                     With a time (THH:MM, then Z for UT, an OFFSET +HH:MM
                     or -HH:MM, or nothing for local time) the sign at
                     that moment; %3 to %4 still answer by the date as
                     written. &apos;-&apos; reads dates from standard input, one a
                     line. A date refused is named on standard error,
                     the others answered, and the exit status is 2.
      --zone ZONE    read local times and days in the IANA time zone
                     ZONE (such as Europe/London), with its history
      --place NAME   read them where NAME is (its most populous place;
                     &apos;NAME, CC&apos; for one country) and name it after each
                     answer
      --json         print one JSON object a line instead: input, utc,
                     sign, longitude (degrees), degree (in the sign),
                     retrograde, source (table or ephemeris), zone and
                     offset; sky_sign where the degree&apos;s sign is not
                     the answer&apos;s, later_sign and change on a day
                     with two signs, place under --place
      --csv          the same as CSV, after a header row
  --                 end the options: all that follows is dates

Local time is that of TZ, else the system&apos;s. A TZ that names no time
zone (such as TZ=Foo/Bar) is refused for times without an offset, not
taken as UT. Under --zone or --place a date alone answers the whole
local day: its sign, or both signs and the local time of the change.

Qt&apos;s own options are accepted too, among them -platform NAME,
-display DISPLAY, -style STYLE and -reverse.
The program needs a graphical session (X11, or Wayland with qt6-wayland).
</source>
        <translation>Użycie: starkindle [OPCJA]...
   lub: starkindle --sign [--zone STREFA | --place NAZWA]
                   DATA[THH:MM[PRZESUNIĘCIE]]...
Podaje znak zodiaku, w którym planetoida Eros była w dniu urodzin między %1
a %2 rokiem, wraz z interpretacją tego znaku.
Dla lat %3–%4 znak pochodzi z oryginalnej tabeli programu, dla pozostałych
lat z efemerydy obliczonej na podstawie orbity Erosa według JPL, na godzinę
12:00 UT danego dnia.

Opcje:
  -h, --help         wyświetla tę pomoc i kończy działanie
      --version      wyświetla wersję i kończy działanie
      --sign DATA...
                     wypisuje „DATA ZNAK” dla każdej daty (RRRR-MM-DD, od
                     %1-01-01 do %2-12-31) i kończy działanie, bez potrzeby
                     ekranu. Z godziną (THH:MM, potem Z dla UT, PRZESUNIĘCIE
                     +HH:MM lub -HH:MM albo nic dla czasu lokalnego) podaje
                     znak w tej chwili; dla lat %3–%4 odpowiedź nadal
                     zależy od daty w zapisanej postaci. „-” czyta daty ze
                     standardowego wejścia, po jednej w wierszu. Odrzucona data
                     jest zgłaszana na standardowym wyjściu błędów, pozostałe
                     dostają odpowiedź, a kod wyjścia wynosi 2.
      --zone STREFA  odczytuje czasy i dni lokalne w strefie czasowej IANA
                     STREFA (np. Europe/London), z jej historią
      --place NAZWA  odczytuje je tam, gdzie leży NAZWA (najludniejsze miejsce
                     o tej nazwie; „NAZWA, CC” dla jednego kraju), i podaje tę
                     nazwę po każdej odpowiedzi
      --json         zamiast tego wypisuje jeden obiekt JSON w wierszu: input,
                     utc, sign, longitude (stopnie), degree (w znaku),
                     retrograde, source (table lub ephemeris), zone i offset;
                     sky_sign, gdy znak stopnia nie jest znakiem odpowiedzi,
                     later_sign i change w dniu z dwoma znakami, place przy
                     --place
      --csv          to samo w formacie CSV, po wierszu nagłówka
  --                 kończy opcje: wszystko, co następuje, to daty

Czas lokalny to czas z TZ, a bez niej czas systemu. TZ, która nie wskazuje
strefy czasowej (np. TZ=Foo/Bar), jest odrzucana dla godzin bez przesunięcia,
a nie traktowana jako UT. Przy --zone lub --place sama data daje odpowiedź dla
całego dnia lokalnego: jego znak albo oba znaki i czas lokalny zmiany.

Akceptowane są też własne opcje Qt, między innymi -platform NAZWA,
-display EKRAN, -style STYL i -reverse.
Program wymaga sesji graficznej (X11 albo Wayland z qt6-wayland).
</translation>
    </message>
    <message>
        <source>Try &apos;starkindle --help&apos; for more information.
</source>
        <translation>Wpisz „starkindle --help”, aby uzyskać więcej informacji.
</translation>
    </message>
    <message>
        <source>starkindle: TZ=&apos;%1&apos; names no time zone: use --zone AREA/CITY, or give the time&apos;s UTC offset
</source>
        <translation>starkindle: TZ=„%1” nie wskazuje strefy czasowej: użyj --zone OBSZAR/MIASTO albo podaj przesunięcie czasu względem UTC
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is a day this time zone skipped
</source>
        <translation>starkindle: „%1” to dzień, który ta strefa czasowa pominęła
</translation>
    </message>
    <message>
        <source>starkindle: options &apos;--zone&apos;, &apos;--place&apos;, &apos;--json&apos; and &apos;--csv&apos; go with &apos;--sign&apos;
</source>
        <translation>starkindle: opcje „--zone”, „--place”, „--json” i „--csv” działają tylko z „--sign”
</translation>
    </message>
    <message>
        <source>starkindle: give &apos;--zone&apos; or &apos;--place&apos;, not both
</source>
        <translation>starkindle: podaj „--zone” albo „--place”, nie obie
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a time zone (AREA/CITY, such as Europe/London)
</source>
        <translation>starkindle: „%1” nie jest strefą czasową (OBSZAR/MIASTO, np. Europe/London)
</translation>
    </message>
    <message>
        <source>starkindle: no place called &apos;%1&apos; is known
</source>
        <translation>starkindle: nie jest znane miejsce o nazwie „%1”
</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Starkindle icon</source>
        <translation>Ikona programu Starkindle</translation>
    </message>
    <message>
        <source>Starkindle describes the placement of the asteroid Eros in your birth chart. This asteroid is also known as the Cupid. This sign helps you understand yourself and know more about your sexual urges and passionate feelings. It gives you an insight to your creative feelings. All rights to this software are reserved by Corvane Softwares.</source>
        <translation>Starkindle opisuje położenie planetoidy Eros, zwanej też Kupidynem, w twoim horoskopie urodzeniowym. Jej znak pomaga ci zrozumieć siebie i lepiej poznać swoje popędy seksualne, namiętności i twórczą stronę. Wszelkie prawa do tego oprogramowania należą do Corvane Softwares.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Odwiedź %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Biznes w domu: załóż własną firmę internetową i zarabiaj w sieci. Zamów ten program w całości pod marką twojej strony.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Dowiedz się więcej</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Sexual Astrology Sign</source>
        <translation>Seksualny znak zodiaku</translation>
    </message>
    <message>
        <source>Eros is the god of sexual love and desire.</source>
        <translation>Eros to bóg zmysłowej miłości i pożądania.</translation>
    </message>
    <message>
        <source>Eros in your Chart is Placed in</source>
        <translation>W twoim horoskopie Eros jest w znaku</translation>
    </message>
    <message>
        <source>Your sexual astrology sign</source>
        <translation>Twój seksualny znak zodiaku</translation>
    </message>
    <message>
        <source>The reading for your sign</source>
        <translation>Interpretacja twojego znaku</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>About This Answer</source>
        <translation>O tej odpowiedzi</translation>
    </message>
    <message>
        <source>Notes on your sign</source>
        <translation>Uwagi o twoim znaku</translation>
    </message>
    <message>
        <source>Swaps the sign and reading above for those of the other part of the day</source>
        <translation>Zamienia powyższy znak i interpretację na te z drugiej części dnia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Sprawdź &amp;aktualizacje</translation>
    </message>
    <message>
        <source>&amp;Show the reading for %1</source>
        <translation>Pokaż &amp;interpretację dla znaku %1</translation>
    </message>
    <message>
        <source>Eros in your Chart is Placed in %1. %2</source>
        <translation>W twoim horoskopie Eros jest w znaku %1. %2</translation>
    </message>
    <message>
        <source>Save &amp;Picture...</source>
        <translation>Zapisz &amp;obraz...</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Zapisz obraz</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Obraz PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved in %1.</source>
        <translation>Nie udało się zapisać obrazu w %1.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Starkindle describes the placement of the asteroid Eros in your birth chart. This helps you know more about the sexual, passion, love and erotic side of your nature</source>
        <translation>Starkindle opisuje położenie planetoidy Eros w twoim horoskopie urodzeniowym. Dzięki temu dowiesz się więcej o seksualnej, namiętnej, miłosnej i erotycznej stronie swojej natury.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Data ur.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>dd</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>rrrr</translation>
    </message>
    <message>
        <source>Find My &amp;Sexual Astrology Sign</source>
        <translation>Znajdź mój &amp;seksualny znak zodiaku</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Sprawdź &amp;aktualizacje</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Wpisz tylko litery</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Wpisz swoje imię</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Wpisz poprawny dzień lub miesiąc!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Wpisz poprawny dzień lub miesiąc!</translation>
    </message>
    <message>
        <source>&amp;Time of Birth</source>
        <translation>&amp;Godzina ur.</translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation>Godzina urodzenia</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>the time of birth, when none is given</comment>
        <translation>nieznana</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>the place of birth, when none is given</comment>
        <translation>nieznane</translation>
    </message>
    <message>
        <source>Hours and minutes, such as 14:30; leave it empty if unknown</source>
        <translation>Godziny i minuty, np. 14:30; zostaw puste, jeśli nie wiadomo</translation>
    </message>
    <message>
        <source>(optional)</source>
        <translation>(opcjonalnie)</translation>
    </message>
    <message>
        <source>&amp;Place of Birth</source>
        <translation>Miejsce &amp;ur.</translation>
    </message>
    <message>
        <source>Place of birth</source>
        <translation>Miejsce urodzenia</translation>
    </message>
    <message>
        <source>A town or city, such as London; leave it empty if unknown</source>
        <translation>Miejscowość lub miasto, np. London; zostaw puste, jeśli nie wiadomo</translation>
    </message>
    <message>
        <source>Please enter the time of birth as hours and minutes, such as 14:30, or leave it empty.</source>
        <translation>Wpisz godzinę urodzenia jako godziny i minuty, np. 14:30, albo zostaw pole puste.</translation>
    </message>
    <message>
        <source>No place called &quot;%1&quot; is known. Please type a town or city, such as London, or leave it empty.</source>
        <translation>Nie jest znane miejsce o nazwie „%1”. Wpisz miejscowość lub miasto, np. London, albo zostaw pole puste.</translation>
    </message>
    <message>
        <source>The clocks there skipped %1 on that day, so no one was born at that time. Please check the time of birth.</source>
        <translation>Zegary pominęły tam tego dnia godzinę %1, więc nikt nie urodził się o tej porze. Sprawdź godzinę urodzenia.</translation>
    </message>
    <message>
        <source>That day was skipped there: the calendar went from the day before to the day after. Please check the date and place.</source>
        <translation>Ten dzień został tam pominięty: kalendarz przeszedł od dnia poprzedniego od razu do następnego. Sprawdź datę i miejsce.</translation>
    </message>
    <message>
        <source>That moment falls outside %1 to %2 in UT, the years the program answers for.</source>
        <translation>Ta chwila wypada poza lata %1–%2 w UT, dla których program podaje odpowiedź.</translation>
    </message>
</context>
<context>
    <name>frmNagScreen2</name>
    <message>
        <source>Starkindle icon</source>
        <translation>Ikona programu Starkindle</translation>
    </message>
    <message>
        <source>Download Corvane Softwares</source>
        <translation>Pobierz programy Corvane Softwares</translation>
    </message>
    <message>
        <source>Starkindle is one of a whole family of small programs from Corvane Softwares: astrology and numerology readings, personal organisers, learning aids and handy everyday tools. Most of them are free to download and try, and every one is made with the same care as this one. Spend a few minutes browsing the collection; you may find just the tool you have been looking for, or a pleasant surprise to share with a friend.</source>
        <translation>Starkindle należy do całej rodziny małych programów Corvane Softwares: interpretacji astrologicznych i numerologicznych, organizerów, pomocy do nauki i poręcznych narzędzi na co dzień. Większość można pobrać i wypróbować za darmo, a każdy powstał z taką samą starannością jak ten. Poświęć kilka minut na przejrzenie kolekcji; może znajdziesz właśnie to narzędzie, którego szukasz, albo miłą niespodziankę dla znajomych.</translation>
    </message>
    <message>
        <source>Click Here To Visit Corvane Softwares</source>
        <translation>Kliknij, aby odwiedzić Corvane Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Poleć znajomym</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Twoje imię</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Twój adres e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Imię znajomego</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>Adres e-mail znajomego</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Wiadomość</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Poleć &amp;teraz</translation>
    </message>
    <message>
        <source>Visit %1 now</source>
        <translation>Odwiedź %1 teraz</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Corvane Softwares can only make and maintain programs like this one with your support, and the best support you can give is to visit the Corvane discussion forum regularly and take part in it.</source>
        <translation>Corvane Softwares może tworzyć i utrzymywać programy takie jak ten tylko dzięki twojemu wsparciu, a najlepsze wsparcie to regularne odwiedzanie forum dyskusyjnego Corvane i udział w nim.</translation>
    </message>
    <message>
        <source>Please visit the Corvane discussion forum regularly and join in its discussions. Without you we cannot keep our programs maintained.</source>
        <translation>Odwiedzaj regularnie forum dyskusyjne Corvane i bierz udział w dyskusjach. Bez ciebie nie możemy utrzymywać naszych programów.</translation>
    </message>
    <message>
        <source>The Corvane discussion forum is a free online discussion forum. Please visit it regularly and help us maintain this program.</source>
        <translation>Forum dyskusyjne Corvane to bezpłatne forum internetowe. Odwiedzaj je regularnie i pomóż nam utrzymywać ten program.</translation>
    </message>
    <message>
        <source>The Corvane discussion forum needs your help. Please visit it regularly, so that we can develop more programs for you.</source>
        <translation>Forum dyskusyjne Corvane potrzebuje twojej pomocy. Odwiedzaj je regularnie, abyśmy mogli tworzyć dla ciebie kolejne programy.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Wpisz dwa różne adresy e-mail</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Wpisz poprawny adres e-mail</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Adres e-mail nie może zawierać spacji</translation>
    </message>
</context>
<context>
    <name>look</name>
    <message>
        <source>Opens a web page in your browser</source>
        <translation>Otwiera stronę internetową w przeglądarce</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Może być dostępna aktualizacja tego programu</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Czy chcesz sprawdzić dostępność aktualizacji?</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Your referral is too long to be sent. Please shorten your message.</source>
        <translation>Twoje polecenie jest za długie, aby je wysłać. Skróć wiadomość.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Twoje imię</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Twój adres e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Twoja wiadomość</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Imię znajomego</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adres e-mail znajomego</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Wpisz swoje imię</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Wpisz swój adres e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Wpisz swoją wiadomość</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Wpisz imię znajomego</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Wpisz adres e-mail znajomego</translation>
    </message>
</context>
<context>
    <name>nodisplay</name>
    <message>
        <source>starkindle: no display could be opened: no X display, and the Wayland platform plugin is not installed (qt6-wayland)
</source>
        <translation>starkindle: nie można otworzyć ekranu: brak ekranu X, a wtyczka platformy Wayland nie jest zainstalowana (qt6-wayland)
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened: DISPLAY is %1, and the Wayland platform plugin is not installed (qt6-wayland)
</source>
        <translation>starkindle: nie można otworzyć ekranu: DISPLAY ma wartość %1, a wtyczka platformy Wayland nie jest zainstalowana (qt6-wayland)
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened (DISPLAY is not set); start it from a graphical session
</source>
        <translation>starkindle: nie można otworzyć ekranu (DISPLAY nie jest ustawione); uruchom program w sesji graficznej
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened (DISPLAY is %1); start it from a graphical session
</source>
        <translation>starkindle: nie można otworzyć ekranu (DISPLAY ma wartość %1); uruchom program w sesji graficznej
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened: the X server of DISPLAY %1 dropped the connection %2 times in a row
</source>
        <translation>starkindle: nie można otworzyć ekranu: serwer X z DISPLAY %1 zerwał połączenie %2 razy z rzędu
</translation>
    </message>
</context>
<context>
    <name>promotion</name>
    <message>
        <source>Talk it over in the Corvane forum at %1</source>
        <translation>Porozmawiaj o tym na forum Corvane: %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Biznes w domu: załóż własną firmę internetową i zarabiaj w sieci. Zamów ten program pod marką twojej strony. Kliknij, aby dowiedzieć się więcej.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Your name and links go on every copy your visitors take home; see the Help for details. Click Here for more info on co-branding.</source>
        <translation>Umieść swoją markę w tym programie dla swojej strony: twoja nazwa i linki trafią do każdej kopii, którą zabiorą odwiedzający; szczegóły w Pomocy. Kliknij, aby dowiedzieć się więcej.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Po&amp;moc</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Pomoc o&amp;nline</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Odwiedź nas w sieci</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>O &amp;programie</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>W&amp;esprzyj</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Zara&amp;biaj w sieci</translation>
    </message>
</context>
<context>
    <name>startup</name>
    <message>
        <source>Application is already running</source>
        <translation>Program jest już uruchomiony</translation>
    </message>
    <message>
        <source>Starkindle cannot start: it found no private folder for the lock that keeps a second copy from running. The system has no home folder on record for your user, and HOME is not a folder that only you can write to. Set HOME to such a folder and start Starkindle again.</source>
        <translation>Nie można uruchomić programu Starkindle: brak prywatnego folderu na blokadę, która zapobiega uruchomieniu drugiej kopii. System nie zna folderu domowego twojego użytkownika, a HOME nie jest folderem, do którego tylko ty możesz zapisywać. Ustaw HOME na taki folder i uruchom Starkindle ponownie.</translation>
    </message>
</context>
</TS>
