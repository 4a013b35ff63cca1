<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Calendar</name>
    <message>
        <source>January</source>
        <translation>Januari</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februari</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Maart</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mei</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Augustus</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>December</translation>
    </message>
</context>
<context>
    <name>CalendarDate</name>
    <message>
        <source>January</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>januari</translation>
    </message>
    <message>
        <source>February</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>februari</translation>
    </message>
    <message>
        <source>March</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>maart</translation>
    </message>
    <message>
        <source>April</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>april</translation>
    </message>
    <message>
        <source>May</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>mei</translation>
    </message>
    <message>
        <source>June</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>juni</translation>
    </message>
    <message>
        <source>July</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>juli</translation>
    </message>
    <message>
        <source>August</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>augustus</translation>
    </message>
    <message>
        <source>September</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>september</translation>
    </message>
    <message>
        <source>October</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>oktober</translation>
    </message>
    <message>
        <source>November</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>november</translation>
    </message>
    <message>
        <source>December</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>december</translation>
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
        <translation>Het teken komt uit de oorspronkelijke tabel, die de jaren %1 tot en met %2 beslaat.</translation>
    </message>
    <message>
        <source>On this day the table has Eros moving from %1 into %2; it gives no hour.</source>
        <translation>Volgens de tabel gaat Eros op deze dag van %1 naar %2; een tijdstip noemt ze niet.</translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for %1 UT on this day.</source>
        <translation>Het teken is berekend uit de baan van Eros volgens het JPL, voor %1 UT op deze dag.</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2.</source>
        <translation>Antwoord voor %1, geboren op %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>days and hours</comment>
        <translation>%1 en %2</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n dag</numerusform>
            <numerusform>%n dagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n uur</numerusform>
            <numerusform>%n uur</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>hours and minutes</comment>
        <translation>%1 en %2</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuut</numerusform>
            <numerusform>%n minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>minder dan een minuut</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>two signs, when the birth time decides</comment>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>%1 UT on %2</source>
        <comment>a moment in UT: time, date</comment>
        <translation>%1 UT op %2</translation>
    </message>
    <message>
        <source>%1, which was %2 on %3 local time (%4)</source>
        <comment>a UT moment, then the local time, date and clock</comment>
        <translation>%1, dat was %2 op %3 lokale tijd (%4)</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2 at %3.</source>
        <translation>Antwoord voor %1, geboren op %2 om %3.</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2 at %3 in %4.</source>
        <translation>Antwoord voor %1, geboren op %2 om %3 in %4.</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2 in %3.</source>
        <translation>Antwoord voor %1, geboren op %2 in %3.</translation>
    </message>
    <message>
        <source>No birthplace was given: this computer&apos;s time zone stands in for it.</source>
        <translation>Er is geen geboorteplaats opgegeven: de tijdzone van deze computer geldt in plaats daarvan.</translation>
    </message>
    <message>
        <source>The clocks there showed that time twice: at %1 and at %2.</source>
        <translation>De klokken daar wezen die tijd twee keer aan: om %1 en om %2.</translation>
    </message>
    <message>
        <source>You were born at %1 (%2).</source>
        <translation>Je bent geboren om %1 (%2).</translation>
    </message>
    <message>
        <source>You were born at %1.</source>
        <translation>Je bent geboren om %1.</translation>
    </message>
    <message>
        <source>You were born at %1 on %2 local time (%3), which was %4.</source>
        <translation>Je bent geboren om %1 op %2 lokale tijd (%3), dat was %4.</translation>
    </message>
    <message>
        <source>Eros had entered %1 %2 before your birth and moved on into %3 %4 after it.</source>
        <translation>Eros was %2 voor je geboorte in %1 gekomen en trok %4 erna verder naar %3.</translation>
    </message>
    <message>
        <source>Eros moved from %1 into %2 at %3.</source>
        <translation>Eros ging van %1 naar %2 om %3.</translation>
    </message>
    <message>
        <source>If you were born before %1, Eros was in %2; if later, in %3.</source>
        <translation>Als je vóór %1 bent geboren, stond Eros in %2; als je later bent geboren, in %3.</translation>
    </message>
    <message>
        <source>%1 UT</source>
        <translation>%1 UT</translation>
    </message>
    <message>
        <source>%1 local time</source>
        <translation>%1 lokale tijd</translation>
    </message>
    <message>
        <source>Give your time of birth for one sign.</source>
        <translation>Geef je geboortetijd op voor één teken.</translation>
    </message>
    <message>
        <source>Eros was then within %1″ of the boundary between %2 and %3, closer than the model&apos;s error: the sign could be either.</source>
        <translation>Eros stond toen binnen %1″ van de grens tussen %2 en %3, dichterbij dan de fout van het model: het kan het ene of het andere teken zijn.</translation>
    </message>
    <message>
        <source>retrograde ℞</source>
        <comment>Eros moving backwards through the signs</comment>
        <translation>retrograde ℞</translation>
    </message>
    <message>
        <source>In the computed sky Eros stood at %1.</source>
        <translation>In de berekende hemel stond Eros op %1.</translation>
    </message>
    <message>
        <source>Eros stood at %1.</source>
        <translation>Eros stond op %1.</translation>
    </message>
    <message>
        <source>In the computed sky Eros stood at %1, %2.</source>
        <translation>In de berekende hemel stond Eros op %1, %2.</translation>
    </message>
    <message>
        <source>Eros stood at %1, %2.</source>
        <translation>Eros stond op %1, %2.</translation>
    </message>
    <message>
        <source>Over the day in UT Eros moved from %1 to %2.</source>
        <translation>In de loop van de dag in UT ging Eros van %1 naar %2.</translation>
    </message>
    <message>
        <source>Over the local day Eros moved from %1 to %2.</source>
        <translation>In de loop van de lokale dag ging Eros van %1 naar %2.</translation>
    </message>
    <message>
        <source>In the computed sky, over the day in UT, Eros moved from %1 to %2.</source>
        <translation>In de berekende hemel ging Eros in de loop van de dag in UT van %1 naar %2.</translation>
    </message>
    <message>
        <source>In the computed sky, over the local day, Eros moved from %1 to %2.</source>
        <translation>In de berekende hemel ging Eros in de loop van de lokale dag van %1 naar %2.</translation>
    </message>
    <message>
        <source>Eros was %1 all day.</source>
        <translation>Eros was de hele dag %1.</translation>
    </message>
    <message>
        <source>Eros stood still at %1 and then turned %2.</source>
        <translation>Eros stond om %1 stil en werd daarna %2.</translation>
    </message>
    <message>
        <source>Eros stood still at %1 and then turned direct.</source>
        <translation>Eros stond om %1 stil en werd daarna weer direct.</translation>
    </message>
    <message>
        <source>That is in %1, not in the table&apos;s %2, which the program keeps.</source>
        <translation>Dat is in %1, niet in %2 van de tabel, die het programma aanhoudt.</translation>
    </message>
    <message>
        <source>Eros at %1, %2</source>
        <translation>Eros op %1, %2</translation>
    </message>
    <message>
        <source>retrograde</source>
        <translation>retrograde</translation>
    </message>
    <message>
        <source>Eros at %1</source>
        <translation>Eros op %1</translation>
    </message>
    <message>
        <source>A zodiac wheel with Eros at %1 and the Sun at %2.</source>
        <translation>Een dierenriem met Eros op %1 en de Zon op %2.</translation>
    </message>
    <message>
        <source>A zodiac wheel with Eros at %1.</source>
        <translation>Een dierenriem met Eros op %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>a span of years</comment>
        <translation>de jaren %1 tot en met %2</translation>
    </message>
    <message>
        <source>The computed sky has that change at %1.</source>
        <translation>Volgens de berekende hemel valt die overgang om %1.</translation>
    </message>
    <message>
        <source>The reading shown is for %1, the sign before the change: by the computed sky, for births before %2 UT on %3.</source>
        <translation>De getoonde duiding is voor %1, het teken vóór de overgang: volgens de berekende hemel voor geboorten vóór %2 UT op %3.</translation>
    </message>
    <message>
        <source>at the moment of your birth</source>
        <translation>op het moment van je geboorte</translation>
    </message>
    <message>
        <source>at %1 UT on this day</source>
        <translation>om %1 UT op deze dag</translation>
    </message>
    <message>
        <source>The computed sky puts Eros in %1 %2; for %3 the program keeps the original table&apos;s answer, %4.</source>
        <translation>De berekende hemel plaatst Eros %2 in %1; voor %3 houdt het programma het antwoord van de oorspronkelijke tabel aan, %4.</translation>
    </message>
    <message>
        <source>The reading shown is for %1, where the computed sky puts Eros; the program answers with the table&apos;s %2.</source>
        <translation>De getoonde duiding is voor %1, waar de berekende hemel Eros plaatst; het programma antwoordt met %2, het teken van de tabel.</translation>
    </message>
    <message>
        <source>The computed sky has Eros moving from %1 into %2 at %3.</source>
        <translation>Volgens de berekende hemel gaat Eros van %1 naar %2 om %3.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births before %2.</source>
        <translation>De getoonde duiding is voor %1: voor geboorten vóór %2.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births at or after %2.</source>
        <translation>De getoonde duiding is voor %1: voor geboorten om of na %2.</translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for the moment of your birth.</source>
        <translation>Het teken is berekend uit de baan van Eros volgens het JPL, voor het moment van je geboorte.</translation>
    </message>
    <message>
        <source>At the first Eros was in %1, at the second in %2.</source>
        <translation>Op het eerste tijdstip stond Eros in %1, op het tweede in %2.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for a birth at the first of the two.</source>
        <translation>De getoonde duiding is voor %1: voor een geboorte op het eerste van de twee tijdstippen.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for a birth at the second of the two.</source>
        <translation>De getoonde duiding is voor %1: voor een geboorte op het tweede van de twee tijdstippen.</translation>
    </message>
    <message>
        <source>The reading shown is for %1, the sign Eros was in or entered within the model&apos;s error of your birth.</source>
        <translation>De getoonde duiding is voor %1, het teken waarin Eros stond of dat Eros binnen de fout van het model rond je geboorte binnenging.</translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for the whole day at the birthplace.</source>
        <translation>Het teken is berekend uit de baan van Eros volgens het JPL, voor de hele dag op de geboorteplaats.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births before %2 local time.</source>
        <translation>De getoonde duiding is voor %1: voor geboorten vóór %2 lokale tijd.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births at or after %2 local time.</source>
        <translation>De getoonde duiding is voor %1: voor geboorten om of na %2 lokale tijd.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a position: degree and minute within the sign, the sign</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>No web browser could be started to open this page. Install xdg-utils and a web browser, or copy the address below into a browser yourself.</source>
        <translation>Er kon geen webbrowser worden gestart om deze pagina te openen. Installeer xdg-utils en een webbrowser, of kopieer het adres hieronder zelf naar een browser.</translation>
    </message>
    <message>
        <source>No web browser could be started to open this page. Copy the address below into a browser yourself.</source>
        <translation>Er kon geen webbrowser worden gestart om deze pagina te openen. Kopieer het adres hieronder zelf naar een browser.</translation>
    </message>
    <message>
        <source>Address of the page</source>
        <translation>Adres van de pagina</translation>
    </message>
</context>
<context>
    <name>Sign</name>
    <message>
        <source>Aries</source>
        <translation>Ram</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Tweelingen</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Kreeft</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leeuw</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Maagd</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Weegschaal</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Schorpioen</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Boogschutter</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steenbok</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Waterman</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Vissen</translation>
    </message>
</context>
<context>
    <name>SignReadings</name>
    <message>
        <source>The placement or Eros in this cardinal fire sign is a spark thrown into dry grass. Mars, ruler of Aries, lends your desire speed and daring, so you fall for someone in a heartbeat and see no reason to wait for permission. You love the chase as much as the prize, and a partner who plays a little hard to get keeps your pulse racing. In bed you are direct, playful and generous with your energy, preferring honest hunger to coy games. Boredom is your real rival; routine cools you faster than any quarrel. Learn to linger, because tenderness shown slowly can be as thrilling as a sudden kiss. The lover who can match your courage and still slow you down now and then will hold your heart for a very long time.</source>
        <translation>Eros in dit kardinale vuurteken is een vonk in droog gras. Mars, heerser van de Ram, geeft je verlangen snelheid en durf: je wordt in een oogwenk verliefd en ziet geen reden om op toestemming te wachten. De jacht trekt je net zo aan als de buit, en wie zich een beetje moeilijk laat veroveren, laat je hart sneller kloppen. In bed ben je direct, speels en gul met je energie; eerlijke honger gaat je boven preutse spelletjes. Je echte rivaal is verveling: sleur koelt je sneller af dan welke ruzie ook. Leer te talmen, want langzaam getoonde tederheid kan net zo opwindend zijn als een onverwachte kus. Wie je moed evenaart en je toch af en toe afremt, houdt je hart heel lang vast.</translation>
    </message>
    <message>
        <source>Dominated by the goddess of love, Venus, Taurus is steeped in sensual pleasure, and Eros here turns desire into something you can touch, taste and savour. You never hurry. Seduction for you is a long, slow dinner by candlelight, silk sheets, a favourite song and the warmth of skin against skin. Once you have chosen a partner you are loyal, affectionate and deeply devoted, and you expect the same steadiness in return. Your earthy nature makes you a patient, attentive lover who remembers precisely what pleases. Possessiveness can creep in when you feel insecure, so let trust do the work that jealousy never could. Given time and comfort, your passion grows richer every year.</source>
        <translation>De Stier wordt geregeerd door Venus, de godin van de liefde, en is doordrenkt van zinnelijk genot; Eros maakt hier van verlangen iets wat je kunt aanraken, proeven en koesteren. Je hebt nooit haast. Verleiding is voor jou een lang diner bij kaarslicht, zijden lakens, een lievelingslied en de warmte van huid tegen huid. Heb je eenmaal een partner gekozen, dan ben je trouw, aanhankelijk en diep toegewijd, en je verwacht dezelfde standvastigheid terug. Je aardse aard maakt je een geduldige, aandachtige geliefde die precies onthoudt wat de ander fijn vindt. Als je je onzeker voelt, kan bezitterigheid binnensluipen; laat vertrouwen dus doen wat jaloezie nooit kan. Met tijd en geborgenheid wordt je passie elk jaar rijker.</translation>
    </message>
    <message>
        <source>When Eros is coupled with Gemini, the sign of communication, desire begins in the mind. Ruled by quick-witted Mercury, you are seduced by clever words, teasing messages and long late-night conversations that wander everywhere. A partner who cannot keep up with your banter will not hold your interest, however attractive. You like variety and flirt almost without noticing, which can make others wonder how serious you are. Love for you must stay light on its feet, curious and full of surprises; the cliché of roses every Friday leaves you cold. When you find someone who is both playmate and best friend, your restless airy heart settles happily at last.  </source>
        <translation>Als Eros samengaat met Tweelingen, het teken van de communicatie, begint verlangen in het hoofd. Dit teken wordt geregeerd door de vlugge Mercurius, en jij laat je verleiden door slimme woorden, plagerige berichtjes en lange nachtelijke gesprekken die alle kanten op gaan. Wie je gevatheid niet kan bijhouden, houdt je aandacht niet vast, hoe aantrekkelijk ook. Je houdt van afwisseling en flirt bijna zonder het te merken, waardoor anderen zich afvragen hoe serieus je het meent. Liefde moet voor jou licht, nieuwsgierig en vol verrassingen blijven; het cliché van rozen op elke vrijdag laat je koud. Vind je iemand die tegelijk speelmaatje en vertrouweling is, dan komt je rusteloze, luchtige hart eindelijk gelukkig tot rust.</translation>
    </message>
    <message>
        <source>A person with Eros in Cancer is eager to share a home as well as a bed. Ruled by the Moon, this water sign makes your desire tidal, rising and falling with your moods and with how safe you feel.  You need emotional closeness before physical intimacy can truly flower, and you give yourself fully once you trust. Caring for a partner is one of your deepest pleasures: cooking for them, remembering their childhood stories, holding them close when the world outside turns harsh. Under your protective shell lies a sensitive and romantic soul who can be deeply hurt by a careless word. You may retreat when wounded, so a lover must learn patience. Treated tenderly, you return a devotion that lasts a lifetime. </source>
        <translation>Wie Eros in Kreeft heeft, wil niet alleen een bed maar ook een thuis delen. De Maan regeert dit waterteken en laat je verlangen rijzen en dalen als het getij, met je stemmingen en met hoe veilig je je voelt. Je hebt emotionele nabijheid nodig voordat lichamelijke intimiteit echt kan opbloeien, en zodra je vertrouwt, geef je je helemaal. Voor een partner zorgen is een van je diepste genoegens: voor de ander koken, de verhalen uit diens jeugd onthouden, de ander dicht tegen je aan houden als de wereld buiten hard wordt. Onder je beschermende schild leeft een gevoelige, romantische ziel die door een onbezonnen woord diep gekwetst kan worden. Gekwetst trek je je soms terug, dus wie van je houdt, moet geduld leren. Word je teder behandeld, dan geef je een toewijding die een leven lang duurt.</translation>
    </message>
    <message>
        <source>When Eros, the God of love occupies this fiery sign, romance becomes a grand performance and you are its radiant star. Ruled by the Sun, you love with warmth, generosity and a flair for drama. You want to be adored, admired and told so often, and in return you shower your partner with attention, gifts and loyal affection. Passion for you is bold and playful; you enjoy dressing up, setting the scene and making each night feel like an occasion. Pride is your weak spot, since a bruised ego can turn your fire into sulking. Choose a lover who applauds you sincerely and is confident enough to shine beside you. Together you can make a love story worth retelling.</source>
        <translation>Wanneer Eros, de god van de liefde, dit vurige teken bezet, wordt romantiek een grote voorstelling en ben jij de stralende ster. De Zon regeert dit teken, en zo heb je lief met warmte, gulheid en gevoel voor drama. Je wilt aanbeden en bewonderd worden en dat vaak horen, en in ruil overlaad je je partner met aandacht, cadeaus en trouwe genegenheid. Je passie is stoutmoedig en speels; je kleedt je graag op, zet de sfeer neer en maakt van elke nacht een gelegenheid. Trots is je zwakke plek, want een gekrenkt ego kan je vuur in mokken doen omslaan. Kies iemand die oprecht voor je applaudisseert en zelfverzekerd genoeg is om naast je te stralen. Samen kun je een liefdesverhaal schrijven dat het navertellen waard is.</translation>
    </message>
    <message>
        <source>Whimsical and moody at times, you are a fine combination of cool reason and hidden sensuality. Mercury rules this earth sign, so you study a potential partner carefully before you let anyone close, noticing each small gesture and each broken promise. Your standards are high and you can be critical, yet that same attention to detail makes you a thoughtful and devoted lover. You show affection through practical care, fixing what is broken, planning the perfect weekend, quietly remembering what your partner likes. Beneath a modest, reserved exterior lies a surprisingly earthy appetite that only a trusted lover ever sees. Let go of the need for perfection and allow yourself to be adored as you are, flaws and all, and passion will follow naturally</source>
        <translation>Soms grillig en humeurig, ben je een fijne mengeling van koel verstand en verborgen zinnelijkheid. Mercurius regeert dit aardeteken, dus je bestudeert een mogelijke partner zorgvuldig voordat je iemand dichtbij laat komen, en je ziet elk klein gebaar en elke gebroken belofte. Je lat ligt hoog en je kunt kritisch zijn, maar diezelfde aandacht voor detail maakt je een attente en toegewijde geliefde. Je toont genegenheid met praktische zorg: je repareert wat stuk is, plant het perfecte weekend en onthoudt stilletjes wat je partner lekker vindt. Achter een bescheiden, gereserveerde buitenkant schuilt een verrassend aardse honger die alleen een vertrouwde geliefde ooit ziet. Laat de drang naar perfectie los en laat je liefhebben zoals je bent, met al je gebreken; de passie volgt dan vanzelf.</translation>
    </message>
    <message>
        <source>Taking part in many activities with your partner is essential to you, because for Libra love is a shared adventure rather than a private refuge. Venus rules this airy sign, giving you charm, grace and a keen eye for beauty. You are drawn to elegant, refined people and you court them with compliments, good taste and gentle persuasion. Harmony matters to you enormously; arguments upset your balance, and you may keep quiet rather than risk a scene. In intimacy you are considerate and romantic, always attentive to what pleases the other person. The risk is losing yourself in trying to be the perfect companion. Speak up for your own desires, and you will find a partnership of true equals. </source>
        <translation>Veel samen ondernemen met je partner is voor jou essentieel, want voor de Weegschaal is liefde eerder een gedeeld avontuur dan een privétoevluchtsoord. Venus regeert dit luchtteken en geeft je charme, gratie en een scherp oog voor schoonheid. Je voelt je aangetrokken tot elegante, verfijnde mensen en je maakt hun het hof met complimenten, goede smaak en zachte overtuigingskracht. Harmonie is enorm belangrijk voor je; ruzies brengen je uit balans, en je zwijgt misschien liever dan een scène te riskeren. In intimiteit ben je attent en romantisch, altijd gericht op wat de ander fijn vindt. Het gevaar is dat je jezelf verliest in de poging de perfecte partner te zijn. Kom op voor je eigen verlangens, dan vind je een relatie tussen echte gelijken.</translation>
    </message>
    <message>
        <source>The most intriguing position of 12 zodiacs, Eros is all intensity in Scorpio. Ruled by Pluto and Mars, this water sign gives you a magnetic, nearly hypnotic pull that others feel the very moment you walk into a crowded room. Desire for you is never casual; you want to merge body and soul with a partner and discover every secret they keep. Your passion is deep, loyal and transformative, yet you guard your own vulnerability fiercely. Jealousy and a need to control can surface when trust is shaken, and you rarely if ever forgive betrayal. A lover who is honest, brave and unafraid of emotional depth will share with you a bond unlike any other. </source>
        <translation>De boeiendste stand van de twaalf tekens: in Schorpioen is Eros één en al intensiteit. Pluto en Mars regeren dit waterteken en geven je een magnetische, bijna hypnotiserende aantrekkingskracht die anderen voelen zodra je een volle zaal binnenloopt. Verlangen is voor jou nooit vrijblijvend; je wilt met lichaam en ziel opgaan in een partner en al diens geheimen ontdekken. Je passie is diep, trouw en transformerend, maar je eigen kwetsbaarheid bewaak je fel. Jaloezie en controlezucht kunnen opkomen als je vertrouwen wankelt, en verraad vergeef je zelden of nooit. Wie eerlijk en moedig is en niet bang voor emotionele diepgang, deelt met jou een band als geen andere.</translation>
    </message>
    <message>
        <source>If you have Eros in Sagittarius, you are keen to explore the world and your own heart with equal enthusiasm. Jupiter, the planet of expansion, rules this fire sign, so your love life tends to be generous, optimistic and full of laughter.  You are attracted to people from different backgrounds, bold thinkers and fellow travellers who can talk philosophy over breakfast in a foreign city. Freedom is precious; a partner who tries to fence you in will soon find the gate open and you gone. In bed you are spontaneous, open-minded and cheerful, treating pleasure as one more adventure. Honesty comes naturally, though sometimes too bluntly for gentler hearts. Commitment is possible when it feels like a journey rather than a cage. Share your dreams, pack light, and let your lover walk beside you rather than behind you, and the road ahead will be bright. </source>
        <translation>Heb je Eros in Boogschutter, dan verken je de wereld en je eigen hart met even veel enthousiasme. Jupiter, de planeet van de groei, regeert dit vuurteken, dus je liefdesleven is meestal gul, optimistisch en vol gelach. Je voelt je aangetrokken tot mensen met een andere achtergrond, vrijmoedige denkers en medereizigers die bij het ontbijt in een vreemde stad over filosofie kunnen praten. Vrijheid is kostbaar; een partner die je probeert in te hekken, vindt het hek al snel open en jou vertrokken. In bed ben je spontaan, ruimdenkend en vrolijk, en genot is voor jou nog een avontuur. Eerlijkheid gaat je vanzelf af, al is ze soms te bot voor zachtere harten. Je kunt je binden als het voelt als een reis en niet als een kooi. Deel je dromen, reis licht en laat je geliefde naast je lopen in plaats van achter je, en de weg voor je zal stralend zijn.</translation>
    </message>
    <message>
        <source>Judgmental in your attitude towards others, you will never indulge in a romance that you consider unworthy of your time. Saturn rules this earth sign, making you cautious, ambitious and reserved in matters of the heart. You take love seriously and prefer a partner with status, discipline and clear goals. Courtship with you is slow and deliberate, and some may mistake your restraint for coldness. Yet behind that composed exterior lies a strong physical nature and a surprisingly dry, wicked sense of humour. Once committed, you are faithful, protective and dependable, building a relationship as carefully as a career. Allow yourself to relax and play, because even the most solid mountain needs spring.</source>
        <translation>Je oordeelt streng over anderen en begint nooit aan een romance die je je tijd niet waard vindt. Saturnus regeert dit aardeteken en maakt je voorzichtig, ambitieus en terughoudend in zaken van het hart. Je neemt liefde serieus en geeft de voorkeur aan een partner met status, discipline en duidelijke doelen. Je maakt iemand langzaam en weloverwogen het hof, en sommigen zien je terughoudendheid aan voor kilte. Toch schuilt achter die beheerste buitenkant een sterke lichamelijke aard en een verrassend droog, ondeugend gevoel voor humor. Heb je je eenmaal verbonden, dan ben je trouw, beschermend en betrouwbaar, en bouw je een relatie even zorgvuldig op als een carrière. Gun jezelf ontspanning en spel, want zelfs de stevigste berg heeft de lente nodig.</translation>
    </message>
    <message>
        <source>Following the same well-trodden path is not your way of loving. With Eros in this air sign ruled by Uranus, you are drawn to the unusual, the eccentric and the gifted. Friendship is the foundation of every romance for you, and a partner must first win your mind before winning your body. You value independence highly and can seem detached, even when your feelings run strong. Unconventional arrangements do not frighten you, and you enjoy experimenting with new ideas in love as in life. Possessive or clingy lovers make you feel trapped. Someone who respects your space, shares your ideals and surprises you now and then will find you loyal in your own original way. </source>
        <translation>Hetzelfde platgetreden pad volgen is niet jouw manier van liefhebben. Met Eros in dit luchtteken, dat door Uranus wordt geregeerd, voel je je aangetrokken tot het ongewone, het excentrieke en het begaafde. Vriendschap is voor jou de basis van elke romance, en een partner moet eerst je geest veroveren voordat je lichaam volgt. Je hecht veel aan onafhankelijkheid en kunt afstandelijk lijken, ook als je gevoelens sterk zijn. Onconventionele afspraken schrikken je niet af, en je experimenteert graag met nieuwe ideeën, in de liefde net als in het leven. Bezitterige of klef aanhankelijke geliefden geven je een opgesloten gevoel. Wie je ruimte respecteert, je idealen deelt en je af en toe verrast, vindt in jou iemand die op geheel eigen wijze trouw is.</translation>
    </message>
    <message>
        <source>In this sign, Eros loses his self assertive ego even as he gains a boundless capacity for tenderness. Ruled by Neptune, this water sign makes you dreamy, compassionate and deeply romantic. You long for a soul mate and may idealise a lover, seeing the poet rather than the person. Intimacy for you is a spiritual experience as much as a physical one, full of soft music, candlelight and whispered fantasies. You sense a partner&apos;s needs intuitively and give without ever keeping score. Be wary of rescuing wounded souls, since sacrifice can turn into a sad cliché of the martyr in love. With a kind and grounded companion, your imagination turns love into poetry.</source>
        <translation>In dit teken verliest Eros zijn zelfverzekerde ego, maar hij wint een grenzeloos vermogen tot tederheid. Neptunus regeert dit waterteken en maakt je dromerig, meelevend en diep romantisch. Je verlangt naar een zielsverwant en idealiseert een geliefde soms, waarbij je eerder de dichter ziet dan de mens. Intimiteit is voor jou evenzeer een spirituele als een lichamelijke ervaring, vol zachte muziek, kaarslicht en gefluisterde fantasieën. Je voelt de behoeften van een partner intuïtief aan en geeft zonder ooit te tellen. Pas op met het redden van gekwetste zielen, want opoffering kan verworden tot het trieste cliché van de martelaar uit liefde. Met een liefdevolle, nuchtere partner maakt je verbeelding van liefde poëzie.</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>starkindle: cannot write the answer: %1
</source>
        <translation>starkindle: kan het antwoord niet schrijven: %1
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a date from %2-01-01 to %3-12-31 (YYYY-MM-DD, optionally with THH:MM and Z, +HH:MM or -HH:MM)
</source>
        <translation>starkindle: ‘%1’ is geen datum van %2-01-01 tot en met %3-12-31 (JJJJ-MM-DD, eventueel met THH:MM en Z, +HH:MM of -HH:MM)
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is a local time the clocks skip in this time zone
</source>
        <translation>starkindle: ‘%1’ is een lokale tijd die de klok in deze tijdzone overslaat
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a moment from %2-01-01T00:00Z to %3-12-31T23:59Z
</source>
        <translation>starkindle: ‘%1’ is geen tijdstip van %2-01-01T00:00Z tot en met %3-12-31T23:59Z
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; happens twice in this time zone, in two signs: add its UTC offset (+HH:MM or -HH:MM)
</source>
        <translation>starkindle: ‘%1’ komt in deze tijdzone twee keer voor, in twee tekens: voeg de UTC-verschuiving toe (+HH:MM of -HH:MM)
</translation>
    </message>
    <message>
        <source>starkindle: option &apos;--sign&apos; needs at least one date
</source>
        <translation>starkindle: optie ‘--sign’ vereist minstens één datum
</translation>
    </message>
    <message>
        <source>starkindle: cannot read standard input: %1
</source>
        <translation>starkindle: kan de standaardinvoer niet lezen: %1
</translation>
    </message>
    <message>
        <source>starkindle: option &apos;%1&apos; needs a value
</source>
        <translation>starkindle: optie ‘%1’ vereist een waarde
</translation>
    </message>
    <message>
        <source>starkindle: unrecognized option &apos;%1&apos;
</source>
        <translation>starkindle: onbekende optie ‘%1’
</translation>
    </message>
    <message>
        <source>starkindle: unexpected argument &apos;%1&apos;
</source>
        <translation>starkindle: onverwacht argument ‘%1’
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
        <translation>Gebruik: starkindle [OPTIE]...
     of: starkindle --sign [--zone ZONE | --place NAAM]
                   DATUM[THH:MM[VERSCHUIVING]]...
Noemt het teken van de dierenriem waarin de planetoïde Eros stond op een
geboortedag tussen %1 en %2, met een duiding van dat teken.
Voor %3 tot en met %4 komt het teken uit de oorspronkelijke tabel van het
programma, voor de andere jaren uit een efemeride die is berekend uit de baan
van Eros volgens het JPL, om 12:00 UT op die datum.

Opties:
  -h, --help         deze hulp tonen en afsluiten
      --version      de versie tonen en afsluiten
      --sign DATUM...
                     ‘DATUM TEKEN’ afdrukken voor elke datum (JJJJ-MM-DD,
                     %1-01-01 tot en met %2-12-31) en afsluiten, zonder
                     beeldscherm. Met een tijd (THH:MM, dan Z voor UT, een
                     VERSCHUIVING +HH:MM of -HH:MM, of niets voor lokale tijd)
                     het teken op dat moment; voor %3 tot en met %4 geldt
                     nog steeds de datum zoals geschreven. ‘-’ leest datums van
                     de standaardinvoer, één per regel. Een geweigerde datum
                     wordt op de standaardfoutuitvoer genoemd, de andere worden
                     beantwoord, en de afsluitstatus is 2.
      --zone ZONE    lokale tijden en dagen lezen in de IANA-tijdzone ZONE
                     (zoals Europe/London), met haar geschiedenis
      --place NAAM   ze lezen waar NAAM ligt (de plaats met die naam en de
                     meeste inwoners; ‘NAAM, CC’ voor één land) en die plaats
                     na elk antwoord noemen
      --json         in plaats daarvan één JSON-object per regel afdrukken:
                     input, utc, sign, longitude (graden), degree (in het
                     teken), retrograde, source (table of ephemeris), zone en
                     offset; sky_sign waar het teken van de graad niet dat van
                     het antwoord is, later_sign en change op een dag met twee
                     tekens, place bij --place
      --csv          hetzelfde als CSV, na een kopregel
  --                 einde van de opties: al het volgende zijn datums

Lokale tijd is die van TZ, anders die van het systeem. Een TZ die geen tijdzone
noemt (zoals TZ=Foo/Bar), wordt geweigerd voor tijden zonder verschuiving en
niet als UT opgevat. Met --zone of --place beantwoordt een datum zonder tijd de
hele lokale dag: het teken ervan, of beide tekens en de lokale tijd van de
overgang.

Ook de eigen opties van Qt worden aanvaard, waaronder -platform NAAM,
-display DISPLAY, -style STIJL en -reverse.
Het programma heeft een grafische sessie nodig (X11, of Wayland met
qt6-wayland).
</translation>
    </message>
    <message>
        <source>Try &apos;starkindle --help&apos; for more information.
</source>
        <translation>Typ ‘starkindle --help’ voor meer informatie.
</translation>
    </message>
    <message>
        <source>starkindle: TZ=&apos;%1&apos; names no time zone: use --zone AREA/CITY, or give the time&apos;s UTC offset
</source>
        <translation>starkindle: TZ=‘%1’ noemt geen tijdzone: gebruik --zone GEBIED/STAD, of geef de UTC-verschuiving van de tijd op
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is a day this time zone skipped
</source>
        <translation>starkindle: ‘%1’ is een dag die deze tijdzone heeft overgeslagen
</translation>
    </message>
    <message>
        <source>starkindle: options &apos;--zone&apos;, &apos;--place&apos;, &apos;--json&apos; and &apos;--csv&apos; go with &apos;--sign&apos;
</source>
        <translation>starkindle: de opties ‘--zone’, ‘--place’, ‘--json’ en ‘--csv’ horen bij ‘--sign’
</translation>
    </message>
    <message>
        <source>starkindle: give &apos;--zone&apos; or &apos;--place&apos;, not both
</source>
        <translation>starkindle: geef ‘--zone’ of ‘--place’, niet allebei
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a time zone (AREA/CITY, such as Europe/London)
</source>
        <translation>starkindle: ‘%1’ is geen tijdzone (GEBIED/STAD, zoals Europe/London)
</translation>
    </message>
    <message>
        <source>starkindle: no place called &apos;%1&apos; is known
</source>
        <translation>starkindle: er is geen plaats met de naam ‘%1’ bekend
</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Starkindle icon</source>
        <translation>Pictogram van Starkindle</translation>
    </message>
    <message>
        <source>Starkindle describes the placement of the asteroid Eros in your birth chart. This asteroid is also known as the Cupid. This sign helps you understand yourself and know more about your sexual urges and passionate feelings. It gives you an insight to your creative feelings. All rights to this software are reserved by Corvane Softwares.</source>
        <translation>Starkindle beschrijft de stand van de planetoïde Eros, ook Cupido genoemd, in je geboortehoroscoop. Het teken helpt je jezelf te begrijpen en vertelt je meer over je seksuele verlangens, je hartstocht en je creatieve kant. Alle rechten op deze software zijn voorbehouden aan Corvane Softwares.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Bezoek %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Thuis een bedrijf beginnen: start je eigen internetbedrijf en verdien online geld. Krijg deze software helemaal onder je eigen merk voor je website.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Meer informatie</translation>
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
        <translation>Seksueel sterrenbeeld</translation>
    </message>
    <message>
        <source>Eros is the god of sexual love and desire.</source>
        <translation>Eros is de god van de zinnelijke liefde en het verlangen.</translation>
    </message>
    <message>
        <source>Eros in your Chart is Placed in</source>
        <translation>In je horoscoop staat Eros in</translation>
    </message>
    <message>
        <source>Your sexual astrology sign</source>
        <translation>Je seksuele sterrenbeeld</translation>
    </message>
    <message>
        <source>The reading for your sign</source>
        <translation>De duiding van je teken</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>About This Answer</source>
        <translation>Over dit antwoord</translation>
    </message>
    <message>
        <source>Notes on your sign</source>
        <translation>Opmerkingen bij je teken</translation>
    </message>
    <message>
        <source>Swaps the sign and reading above for those of the other part of the day</source>
        <translation>Vervangt het teken en de duiding hierboven door die van het andere deel van de dag</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Op &amp;updates controleren</translation>
    </message>
    <message>
        <source>&amp;Show the reading for %1</source>
        <translation>Duiding &amp;weergeven voor %1</translation>
    </message>
    <message>
        <source>Eros in your Chart is Placed in %1. %2</source>
        <translation>In je horoscoop staat Eros in %1. %2</translation>
    </message>
    <message>
        <source>Save &amp;Picture...</source>
        <translation>Afbeelding op&amp;slaan...</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Afbeelding opslaan</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-afbeelding (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved in %1.</source>
        <translation>De afbeelding kon niet worden opgeslagen in %1.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Starkindle describes the placement of the asteroid Eros in your birth chart. This helps you know more about the sexual, passion, love and erotic side of your nature</source>
        <translation>Starkindle beschrijft de stand van de planetoïde Eros in je geboortehoroscoop. Zo kom je meer te weten over de seksuele, hartstochtelijke, liefdevolle en erotische kant van je aard.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Geboren op</translation>
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
        <translation>jjjj</translation>
    </message>
    <message>
        <source>Find My &amp;Sexual Astrology Sign</source>
        <translation>Mijn &amp;seksuele sterrenbeeld vinden</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Op &amp;updates controleren</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Voer alleen letters in</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Voer je naam in</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Voer een geldige dag of maand in!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Voer een geldige dag of maand in!</translation>
    </message>
    <message>
        <source>&amp;Time of Birth</source>
        <translation>Geboorte&amp;tijd</translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation>Geboortetijd</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>the time of birth, when none is given</comment>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>the place of birth, when none is given</comment>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>Hours and minutes, such as 14:30; leave it empty if unknown</source>
        <translation>Uren en minuten, zoals 14:30; laat leeg als je het niet weet</translation>
    </message>
    <message>
        <source>(optional)</source>
        <translation>(optioneel)</translation>
    </message>
    <message>
        <source>&amp;Place of Birth</source>
        <translation>Geboorte&amp;plaats</translation>
    </message>
    <message>
        <source>Place of birth</source>
        <translation>Geboorteplaats</translation>
    </message>
    <message>
        <source>A town or city, such as London; leave it empty if unknown</source>
        <translation>Een dorp of stad, zoals London; laat leeg als je het niet weet</translation>
    </message>
    <message>
        <source>Please enter the time of birth as hours and minutes, such as 14:30, or leave it empty.</source>
        <translation>Voer de geboortetijd in als uren en minuten, zoals 14:30, of laat het veld leeg.</translation>
    </message>
    <message>
        <source>No place called &quot;%1&quot; is known. Please type a town or city, such as London, or leave it empty.</source>
        <translation>Er is geen plaats met de naam ‘%1’ bekend. Typ een dorp of stad, zoals London, of laat het veld leeg.</translation>
    </message>
    <message>
        <source>The clocks there skipped %1 on that day, so no one was born at that time. Please check the time of birth.</source>
        <translation>De klokken daar sloegen op die dag %1 over, dus niemand is op dat tijdstip geboren. Controleer de geboortetijd.</translation>
    </message>
    <message>
        <source>That day was skipped there: the calendar went from the day before to the day after. Please check the date and place.</source>
        <translation>Die dag is daar overgeslagen: de kalender ging van de dag ervoor naar de dag erna. Controleer de datum en de plaats.</translation>
    </message>
    <message>
        <source>That moment falls outside %1 to %2 in UT, the years the program answers for.</source>
        <translation>Dat moment valt buiten %1 tot en met %2 in UT, de jaren waarvoor het programma antwoordt.</translation>
    </message>
</context>
<context>
    <name>frmNagScreen2</name>
    <message>
        <source>Starkindle icon</source>
        <translation>Pictogram van Starkindle</translation>
    </message>
    <message>
        <source>Download Corvane Softwares</source>
        <translation>Programma’s van Corvane Softwares downloaden</translation>
    </message>
    <message>
        <source>Starkindle is one of a whole family of small programs from Corvane Softwares: astrology and numerology readings, personal organisers, learning aids and handy everyday tools. Most of them are free to download and try, and every one is made with the same care as this one. Spend a few minutes browsing the collection; you may find just the tool you have been looking for, or a pleasant surprise to share with a friend.</source>
        <translation>Starkindle hoort bij een hele familie kleine programma’s van Corvane Softwares: astrologische en numerologische duidingen, agenda’s, leerhulpmiddelen en handige hulpjes voor elke dag. De meeste kun je gratis downloaden en uitproberen, en elk is met dezelfde zorg gemaakt als dit. Neem een paar minuten om de verzameling te bekijken; misschien vind je precies wat je zocht, of een leuke verrassing voor een vriend.</translation>
    </message>
    <message>
        <source>Click Here To Visit Corvane Softwares</source>
        <translation>Klik hier om Corvane Softwares te bezoeken</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Aanbevelen aan een vriend</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Je naam</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Je e-mailadres</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Naam van je vriend</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>E-mailadres van je vriend</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Nu aanbevelen</translation>
    </message>
    <message>
        <source>Visit %1 now</source>
        <translation>Bezoek %1 nu</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Corvane Softwares can only make and maintain programs like this one with your support, and the best support you can give is to visit the Corvane discussion forum regularly and take part in it.</source>
        <translation>Corvane Softwares kan programma’s als dit alleen maken en onderhouden met jouw steun, en de beste steun die je kunt geven, is het discussieforum van Corvane geregeld bezoeken en meedoen.</translation>
    </message>
    <message>
        <source>Please visit the Corvane discussion forum regularly and join in its discussions. Without you we cannot keep our programs maintained.</source>
        <translation>Bezoek geregeld het discussieforum van Corvane en praat mee. Zonder jou kunnen we onze programma’s niet onderhouden.</translation>
    </message>
    <message>
        <source>The Corvane discussion forum is a free online discussion forum. Please visit it regularly and help us maintain this program.</source>
        <translation>Het discussieforum van Corvane is een gratis online forum. Bezoek het geregeld en help ons dit programma te onderhouden.</translation>
    </message>
    <message>
        <source>The Corvane discussion forum needs your help. Please visit it regularly, so that we can develop more programs for you.</source>
        <translation>Het discussieforum van Corvane heeft je hulp nodig. Bezoek het geregeld, zodat we meer programma’s voor je kunnen maken.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Voer twee verschillende e-mailadressen in</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Voer een geldig e-mailadres in</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Een e-mailadres mag geen spaties bevatten</translation>
    </message>
</context>
<context>
    <name>look</name>
    <message>
        <source>Opens a web page in your browser</source>
        <translation>Opent een webpagina in je browser</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Er is misschien een update voor deze software</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Wil je controleren of er een update is?</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Your referral is too long to be sent. Please shorten your message.</source>
        <translation>Je aanbeveling is te lang om te verzenden. Maak je bericht korter.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Je naam</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Je e-mailadres</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Je bericht</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Naam van je vriend</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mailadres van je vriend</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Voer je naam in</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Voer je e-mailadres in</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Voer je bericht in</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Voer de naam van je vriend in</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Voer het e-mailadres van je vriend in</translation>
    </message>
</context>
<context>
    <name>nodisplay</name>
    <message>
        <source>starkindle: no display could be opened: no X display, and the Wayland platform plugin is not installed (qt6-wayland)
</source>
        <translation>starkindle: er kon geen beeldscherm worden geopend: geen X-beeldscherm, en de Wayland-platformplug-in is niet geïnstalleerd (qt6-wayland)
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened: DISPLAY is %1, and the Wayland platform plugin is not installed (qt6-wayland)
</source>
        <translation>starkindle: er kon geen beeldscherm worden geopend: DISPLAY is %1, en de Wayland-platformplug-in is niet geïnstalleerd (qt6-wayland)
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened (DISPLAY is not set); start it from a graphical session
</source>
        <translation>starkindle: er kon geen beeldscherm worden geopend (DISPLAY is niet ingesteld); start het programma vanuit een grafische sessie
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened (DISPLAY is %1); start it from a graphical session
</source>
        <translation>starkindle: er kon geen beeldscherm worden geopend (DISPLAY is %1); start het programma vanuit een grafische sessie
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened: the X server of DISPLAY %1 dropped the connection %2 times in a row
</source>
        <translation>starkindle: er kon geen beeldscherm worden geopend: de X-server van DISPLAY %1 verbrak de verbinding %2 keer achter elkaar
</translation>
    </message>
</context>
<context>
    <name>promotion</name>
    <message>
        <source>Talk it over in the Corvane forum at %1</source>
        <translation>Praat erover op het forum van Corvane op %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Thuis een bedrijf beginnen: start je eigen internetbedrijf en verdien online geld. Krijg deze software onder je eigen merk voor je website. Klik hier voor meer informatie.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Your name and links go on every copy your visitors take home; see the Help for details. Click Here for more info on co-branding.</source>
        <translation>Zet je eigen merk op deze software voor je site: je naam en links staan op elk exemplaar dat je bezoekers meenemen; zie de Help. Klik hier voor meer over co-branding.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online help</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Bezoek ons online</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Over deze &amp;software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doneren</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Online &amp;geld verdienen</translation>
    </message>
</context>
<context>
    <name>startup</name>
    <message>
        <source>Application is already running</source>
        <translation>Het programma is al gestart</translation>
    </message>
    <message>
        <source>Starkindle cannot start: it found no private folder for the lock that keeps a second copy from running. The system has no home folder on record for your user, and HOME is not a folder that only you can write to. Set HOME to such a folder and start Starkindle again.</source>
        <translation>Starkindle kan niet starten: er is geen privémap gevonden voor de vergrendeling die een tweede exemplaar tegenhoudt. Het systeem kent geen thuismap voor je gebruiker, en HOME is geen map waarin alleen jij kunt schrijven. Stel HOME in op zo’n map en start Starkindle opnieuw.</translation>
    </message>
</context>
</TS>
