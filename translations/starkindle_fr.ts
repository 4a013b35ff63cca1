<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Calendar</name>
    <message>
        <source>January</source>
        <translation>Janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Décembre</translation>
    </message>
</context>
<context>
    <name>CalendarDate</name>
    <message>
        <source>January</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>décembre</translation>
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
        <translation>%1er %2 %3</translation>
    </message>
    <message>
        <source>The sign comes from the original table, which covers %1 to %2.</source>
        <translation>Le signe provient de la table d’origine, qui couvre les années %1 à %2.</translation>
    </message>
    <message>
        <source>On this day the table has Eros moving from %1 into %2; it gives no hour.</source>
        <translation>Selon la table, Éros passe ce jour-là du signe %1 au signe %2&#xa0;; elle n’indique pas d’heure.</translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for %1 UT on this day.</source>
        <translation>Le signe est calculé à partir de l’orbite d’Éros publiée par le JPL, pour %1 UT ce jour-là.</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2.</source>
        <translation>Réponse pour %1, date de naissance&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>days and hours</comment>
        <translation>%1 et %2</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>hours and minutes</comment>
        <translation>%1 et %2</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>moins d’une minute</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>two signs, when the birth time decides</comment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1 UT on %2</source>
        <comment>a moment in UT: time, date</comment>
        <translation>%1 UT le %2</translation>
    </message>
    <message>
        <source>%1, which was %2 on %3 local time (%4)</source>
        <comment>a UT moment, then the local time, date and clock</comment>
        <translation>%1, soit %2 le %3 heure locale (%4)</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2 at %3.</source>
        <translation>Réponse pour %1, date de naissance&#xa0;: %2 à %3.</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2 at %3 in %4.</source>
        <translation>Réponse pour %1, date de naissance&#xa0;: %2 à %3, à %4.</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2 in %3.</source>
        <translation>Réponse pour %1, date de naissance&#xa0;: %2, à %3.</translation>
    </message>
    <message>
        <source>No birthplace was given: this computer&apos;s time zone stands in for it.</source>
        <translation>Aucun lieu de naissance n’a été indiqué&#xa0;: le fuseau horaire de cet ordinateur en tient lieu.</translation>
    </message>
    <message>
        <source>The clocks there showed that time twice: at %1 and at %2.</source>
        <translation>Les horloges de ce lieu ont indiqué cette heure deux fois&#xa0;: à %1 et à %2.</translation>
    </message>
    <message>
        <source>You were born at %1 (%2).</source>
        <translation>Votre naissance a eu lieu à %1 (%2).</translation>
    </message>
    <message>
        <source>You were born at %1.</source>
        <translation>Votre naissance a eu lieu à %1.</translation>
    </message>
    <message>
        <source>You were born at %1 on %2 local time (%3), which was %4.</source>
        <translation>Votre naissance a eu lieu à %1 le %2 heure locale (%3), soit à %4.</translation>
    </message>
    <message>
        <source>Eros had entered %1 %2 before your birth and moved on into %3 %4 after it.</source>
        <translation>Éros était entré en %1 %2 avant votre naissance et est passé en %3 %4 après.</translation>
    </message>
    <message>
        <source>Eros moved from %1 into %2 at %3.</source>
        <translation>Éros est passé du signe %1 au signe %2 à %3.</translation>
    </message>
    <message>
        <source>If you were born before %1, Eros was in %2; if later, in %3.</source>
        <translation>Pour une naissance avant %1, Éros était en %2&#xa0;; plus tard, en %3.</translation>
    </message>
    <message>
        <source>%1 UT</source>
        <translation>%1 UT</translation>
    </message>
    <message>
        <source>%1 local time</source>
        <translation>%1 heure locale</translation>
    </message>
    <message>
        <source>Give your time of birth for one sign.</source>
        <translation>Indiquez votre heure de naissance pour obtenir un seul signe.</translation>
    </message>
    <message>
        <source>Eros was then within %1″ of the boundary between %2 and %3, closer than the model&apos;s error: the sign could be either.</source>
        <translation>Éros se trouvait alors à moins de %1″ de la limite entre %2 et %3, en deçà de la marge d’erreur du modèle&#xa0;: le signe peut être l’un ou l’autre.</translation>
    </message>
    <message>
        <source>retrograde ℞</source>
        <comment>Eros moving backwards through the signs</comment>
        <translation>rétrograde ℞</translation>
    </message>
    <message>
        <source>In the computed sky Eros stood at %1.</source>
        <translation>Dans le ciel calculé, Éros se trouvait à %1.</translation>
    </message>
    <message>
        <source>Eros stood at %1.</source>
        <translation>Éros se trouvait à %1.</translation>
    </message>
    <message>
        <source>In the computed sky Eros stood at %1, %2.</source>
        <translation>Dans le ciel calculé, Éros se trouvait à %1, %2.</translation>
    </message>
    <message>
        <source>Eros stood at %1, %2.</source>
        <translation>Éros se trouvait à %1, %2.</translation>
    </message>
    <message>
        <source>Over the day in UT Eros moved from %1 to %2.</source>
        <translation>Au cours de la journée en UT, Éros est allé de %1 à %2.</translation>
    </message>
    <message>
        <source>Over the local day Eros moved from %1 to %2.</source>
        <translation>Au cours de la journée locale, Éros est allé de %1 à %2.</translation>
    </message>
    <message>
        <source>In the computed sky, over the day in UT, Eros moved from %1 to %2.</source>
        <translation>Dans le ciel calculé, au cours de la journée en UT, Éros est allé de %1 à %2.</translation>
    </message>
    <message>
        <source>In the computed sky, over the local day, Eros moved from %1 to %2.</source>
        <translation>Dans le ciel calculé, au cours de la journée locale, Éros est allé de %1 à %2.</translation>
    </message>
    <message>
        <source>Eros was %1 all day.</source>
        <translation>Éros a été %1 toute la journée.</translation>
    </message>
    <message>
        <source>Eros stood still at %1 and then turned %2.</source>
        <translation>Éros a stationné à %1, puis est devenu %2.</translation>
    </message>
    <message>
        <source>Eros stood still at %1 and then turned direct.</source>
        <translation>Éros a stationné à %1, puis est redevenu direct.</translation>
    </message>
    <message>
        <source>That is in %1, not in the table&apos;s %2, which the program keeps.</source>
        <translation>Cela correspond au signe %1, et non au signe %2 de la table, que le programme conserve.</translation>
    </message>
    <message>
        <source>Eros at %1, %2</source>
        <translation>Éros à %1, %2</translation>
    </message>
    <message>
        <source>retrograde</source>
        <translation>rétrograde</translation>
    </message>
    <message>
        <source>Eros at %1</source>
        <translation>Éros à %1</translation>
    </message>
    <message>
        <source>A zodiac wheel with Eros at %1 and the Sun at %2.</source>
        <translation>Une roue du zodiaque avec Éros à %1 et le Soleil à %2.</translation>
    </message>
    <message>
        <source>A zodiac wheel with Eros at %1.</source>
        <translation>Une roue du zodiaque avec Éros à %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>a span of years</comment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>The computed sky has that change at %1.</source>
        <translation>Dans le ciel calculé, ce changement a lieu à %1.</translation>
    </message>
    <message>
        <source>The reading shown is for %1, the sign before the change: by the computed sky, for births before %2 UT on %3.</source>
        <translation>L’interprétation affichée est celle du signe %1, le signe d’avant le changement&#xa0;: selon le ciel calculé, pour les naissances avant %2 UT le %3.</translation>
    </message>
    <message>
        <source>at the moment of your birth</source>
        <translation>au moment de votre naissance</translation>
    </message>
    <message>
        <source>at %1 UT on this day</source>
        <translation>à %1 UT ce jour-là</translation>
    </message>
    <message>
        <source>The computed sky puts Eros in %1 %2; for %3 the program keeps the original table&apos;s answer, %4.</source>
        <translation>Dans le ciel calculé, Éros est en %1 %2&#xa0;; pour les années %3, le programme garde la réponse de la table d’origine, %4.</translation>
    </message>
    <message>
        <source>The reading shown is for %1, where the computed sky puts Eros; the program answers with the table&apos;s %2.</source>
        <translation>L’interprétation affichée est celle du signe %1, où le ciel calculé place Éros&#xa0;; le programme répond avec le signe %2 de la table.</translation>
    </message>
    <message>
        <source>The computed sky has Eros moving from %1 into %2 at %3.</source>
        <translation>Dans le ciel calculé, Éros passe du signe %1 au signe %2 à %3.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births before %2.</source>
        <translation>L’interprétation affichée est celle du signe %1&#xa0;: pour les naissances avant %2.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births at or after %2.</source>
        <translation>L’interprétation affichée est celle du signe %1&#xa0;: pour les naissances à partir de %2.</translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for the moment of your birth.</source>
        <translation>Le signe est calculé à partir de l’orbite d’Éros publiée par le JPL, pour le moment de votre naissance.</translation>
    </message>
    <message>
        <source>At the first Eros was in %1, at the second in %2.</source>
        <translation>À la première, Éros était en %1&#xa0;; à la seconde, en %2.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for a birth at the first of the two.</source>
        <translation>L’interprétation affichée est celle du signe %1&#xa0;: pour une naissance à la première des deux.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for a birth at the second of the two.</source>
        <translation>L’interprétation affichée est celle du signe %1&#xa0;: pour une naissance à la seconde des deux.</translation>
    </message>
    <message>
        <source>The reading shown is for %1, the sign Eros was in or entered within the model&apos;s error of your birth.</source>
        <translation>L’interprétation affichée est celle du signe %1, où Éros se trouvait ou entrait au moment de votre naissance, à la marge d’erreur du modèle près.</translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for the whole day at the birthplace.</source>
        <translation>Le signe est calculé à partir de l’orbite d’Éros publiée par le JPL, pour toute la journée au lieu de naissance.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births before %2 local time.</source>
        <translation>L’interprétation affichée est celle du signe %1&#xa0;: pour les naissances avant %2 heure locale.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births at or after %2 local time.</source>
        <translation>L’interprétation affichée est celle du signe %1&#xa0;: pour les naissances à partir de %2 heure locale.</translation>
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
        <source>No web browser could be started to open this page. Copy the address below into a browser yourself.</source>
        <translation>Aucun navigateur web n’a pu être lancé pour ouvrir cette page. Copiez vous-même l’adresse ci-dessous dans un navigateur.</translation>
    </message>
    <message>
        <source>No web browser could be started to open this page. Install xdg-utils and a web browser, or copy the address below into a browser yourself.</source>
        <translation>Aucun navigateur web n’a pu être lancé pour ouvrir cette page. Installez xdg-utils et un navigateur web, ou copiez vous-même l’adresse ci-dessous dans un navigateur.</translation>
    </message>
    <message>
        <source>Address of the page</source>
        <translation>Adresse de la page</translation>
    </message>
</context>
<context>
    <name>Sign</name>
    <message>
        <source>Aries</source>
        <translation>Bélier</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Taureau</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gémeaux</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vierge</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittaire</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorne</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Verseau</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Poissons</translation>
    </message>
</context>
<context>
    <name>SignReadings</name>
    <message>
        <source>The placement or Eros in this cardinal fire sign is a spark thrown into dry grass. Mars, ruler of Aries, lends your desire speed and daring, so you fall for someone in a heartbeat and see no reason to wait for permission. You love the chase as much as the prize, and a partner who plays a little hard to get keeps your pulse racing. In bed you are direct, playful and generous with your energy, preferring honest hunger to coy games. Boredom is your real rival; routine cools you faster than any quarrel. Learn to linger, because tenderness shown slowly can be as thrilling as a sudden kiss. The lover who can match your courage and still slow you down now and then will hold your heart for a very long time.</source>
        <translation>La présence d’Éros dans ce signe de feu cardinal est une étincelle jetée dans l’herbe sèche. Mars, maître du Bélier, donne à votre désir vitesse et audace&#xa0;: un battement de cœur suffit pour que l’amour vous prenne, et vous ne voyez aucune raison d’attendre la permission. Vous aimez la chasse autant que la proie, et une personne qui se fait un peu désirer fait battre votre cœur plus vite. Au lit, vous allez droit au but, avec jeu et générosité, et préférez une faim sincère aux jeux de la coquetterie. L’ennui est votre vrai rival&#xa0;; la routine vous refroidit plus vite que n’importe quelle dispute. Apprenez à prendre votre temps, car une tendresse offerte lentement peut être aussi grisante qu’un baiser soudain. Qui saura égaler votre courage tout en vous freinant de temps à autre gardera votre cœur très longtemps.</translation>
    </message>
    <message>
        <source>Dominated by the goddess of love, Venus, Taurus is steeped in sensual pleasure, and Eros here turns desire into something you can touch, taste and savour. You never hurry. Seduction for you is a long, slow dinner by candlelight, silk sheets, a favourite song and the warmth of skin against skin. Once you have chosen a partner you are loyal, affectionate and deeply devoted, and you expect the same steadiness in return. Your earthy nature makes you a patient, attentive lover who remembers precisely what pleases. Possessiveness can creep in when you feel insecure, so let trust do the work that jealousy never could. Given time and comfort, your passion grows richer every year.</source>
        <translation>Gouverné par la déesse de l’amour, Vénus, le Taureau baigne dans le plaisir des sens, et Éros y fait du désir quelque chose que l’on peut toucher, goûter et savourer. Vous ne vous pressez jamais. Pour vous, la séduction, c’est un long dîner tranquille aux chandelles, des draps de soie, une chanson préférée et la chaleur d’une peau contre la peau. Une fois votre choix fait, vous vous montrez fidèle, tendre et d’un profond dévouement, et vous attendez la même constance en retour. Votre nature terrienne vous donne en amour la patience et l’attention de qui se souvient précisément de ce qui plaît. La possessivité peut s’installer quand vous manquez d’assurance&#xa0;; laissez donc la confiance accomplir ce que la jalousie n’a jamais su faire. Avec du temps et du confort, votre passion s’enrichit d’année en année.</translation>
    </message>
    <message>
        <source>When Eros is coupled with Gemini, the sign of communication, desire begins in the mind. Ruled by quick-witted Mercury, you are seduced by clever words, teasing messages and long late-night conversations that wander everywhere. A partner who cannot keep up with your banter will not hold your interest, however attractive. You like variety and flirt almost without noticing, which can make others wonder how serious you are. Love for you must stay light on its feet, curious and full of surprises; the cliché of roses every Friday leaves you cold. When you find someone who is both playmate and best friend, your restless airy heart settles happily at last.  </source>
        <translation>Quand Éros s’associe aux Gémeaux, signe de la communication, le désir naît dans la tête. Sous l’influence du vif Mercure, les mots habiles, les messages taquins et les longues conversations nocturnes qui vagabondent partout ont raison de vous. Qui ne sait pas suivre vos joutes verbales ne retiendra pas votre intérêt, quel que soit son charme. Vous aimez la variété et flirtez presque sans vous en rendre compte, ce qui peut faire douter les autres de votre sérieux. L’amour doit rester léger, curieux et plein de surprises&#xa0;; le cliché des roses tous les vendredis vous laisse de marbre. Quand vous trouvez quelqu’un avec qui tout est jeu et à qui tout se confie, votre cœur aérien et agité trouve enfin la paix et le bonheur.</translation>
    </message>
    <message>
        <source>A person with Eros in Cancer is eager to share a home as well as a bed. Ruled by the Moon, this water sign makes your desire tidal, rising and falling with your moods and with how safe you feel.  You need emotional closeness before physical intimacy can truly flower, and you give yourself fully once you trust. Caring for a partner is one of your deepest pleasures: cooking for them, remembering their childhood stories, holding them close when the world outside turns harsh. Under your protective shell lies a sensitive and romantic soul who can be deeply hurt by a careless word. You may retreat when wounded, so a lover must learn patience. Treated tenderly, you return a devotion that lasts a lifetime. </source>
        <translation>Qui a Éros en Cancer souhaite partager un foyer autant qu’un lit. Gouverné par la Lune, ce signe d’eau rend votre désir semblable aux marées, qui montent et descendent au gré de vos humeurs et du sentiment de sécurité que vous éprouvez. Il vous faut une proximité affective avant que l’intimité physique puisse vraiment s’épanouir, et vous vous donnez entièrement dès que vous avez confiance. Prendre soin de l’autre est l’un de vos plus grands plaisirs&#xa0;: lui cuisiner de bons plats, vous souvenir de ses histoires d’enfance, l’étreindre quand le monde extérieur se fait dur. Sous votre carapace protectrice se cache une âme sensible et romantique, qu’un mot maladroit peut blesser profondément. Quand on vous blesse, vous vous repliez parfois sur vous-même&#xa0;; qui vous aime doit donc apprendre la patience. À qui vous traite avec tendresse, vous offrez en retour un dévouement qui dure toute une vie.</translation>
    </message>
    <message>
        <source>When Eros, the God of love occupies this fiery sign, romance becomes a grand performance and you are its radiant star. Ruled by the Sun, you love with warmth, generosity and a flair for drama. You want to be adored, admired and told so often, and in return you shower your partner with attention, gifts and loyal affection. Passion for you is bold and playful; you enjoy dressing up, setting the scene and making each night feel like an occasion. Pride is your weak spot, since a bruised ego can turn your fire into sulking. Choose a lover who applauds you sincerely and is confident enough to shine beside you. Together you can make a love story worth retelling.</source>
        <translation>Quand Éros, le dieu de l’amour, occupe ce signe de feu, la romance devient un grand spectacle dont vous êtes la vedette rayonnante. Sous le règne du Soleil, vous aimez avec chaleur, générosité et un sens certain de la mise en scène. Vous voulez qu’on vous adore, qu’on vous admire et qu’on vous le dise souvent&#xa0;; en retour, vous comblez votre partenaire d’attentions, de cadeaux et d’une affection fidèle. Votre passion est audacieuse et joueuse&#xa0;; vous aimez vous mettre sur votre trente et un, soigner le décor et faire de chaque nuit un événement. L’orgueil est votre point faible, car un ego froissé peut changer votre feu en bouderie. Choisissez une personne qui vous applaudit sincèrement et qui a assez d’assurance pour briller à vos côtés. Ensemble, vous pouvez écrire une histoire d’amour qui mérite d’être racontée.</translation>
    </message>
    <message>
        <source>Whimsical and moody at times, you are a fine combination of cool reason and hidden sensuality. Mercury rules this earth sign, so you study a potential partner carefully before you let anyone close, noticing each small gesture and each broken promise. Your standards are high and you can be critical, yet that same attention to detail makes you a thoughtful and devoted lover. You show affection through practical care, fixing what is broken, planning the perfect weekend, quietly remembering what your partner likes. Beneath a modest, reserved exterior lies a surprisingly earthy appetite that only a trusted lover ever sees. Let go of the need for perfection and allow yourself to be adored as you are, flaws and all, and passion will follow naturally</source>
        <translation>Fantasque et d’humeur changeante par moments, vous êtes un subtil mélange de froide raison et de sensualité cachée. Mercure gouverne ce signe de terre&#xa0;: vous observez donc attentivement qui vous plaît avant de laisser quiconque approcher, remarquant chaque petit geste et chaque promesse non tenue. Vos exigences sont élevées et vous pouvez être critique, mais ce même souci du détail donne à votre amour de l’attention et du dévouement. Vous montrez votre affection par des soins concrets&#xa0;: réparer ce qui est cassé, organiser le week-end idéal, retenir discrètement ce qu’aime l’autre. Sous des dehors modestes et réservés se cache un appétit étonnamment sensuel que seule une personne de confiance découvre. Renoncez au besoin de perfection, laissez-vous aimer comme vous êtes, avec vos défauts, et la passion suivra naturellement.</translation>
    </message>
    <message>
        <source>Taking part in many activities with your partner is essential to you, because for Libra love is a shared adventure rather than a private refuge. Venus rules this airy sign, giving you charm, grace and a keen eye for beauty. You are drawn to elegant, refined people and you court them with compliments, good taste and gentle persuasion. Harmony matters to you enormously; arguments upset your balance, and you may keep quiet rather than risk a scene. In intimacy you are considerate and romantic, always attentive to what pleases the other person. The risk is losing yourself in trying to be the perfect companion. Speak up for your own desires, and you will find a partnership of true equals. </source>
        <translation>Partager de nombreuses activités avec votre partenaire vous est essentiel, car pour la Balance, l’amour est une aventure commune plutôt qu’un refuge privé. Vénus gouverne ce signe d’air et vous donne charme, grâce et un œil aiguisé pour la beauté. Les personnes élégantes et raffinées vous attirent, et vous les courtisez à force de compliments, de bon goût et de douce persuasion. L’harmonie compte énormément pour vous&#xa0;; les disputes rompent votre équilibre, et vous préférez parfois vous taire plutôt que de risquer une scène. Dans l’intimité, vous avez des égards et du romantisme, et veillez toujours à ce qui fait plaisir à l’autre. Le risque est de vous perdre à vouloir tout faire parfaitement pour l’autre. Exprimez vos propres désirs, et vous trouverez une relation entre véritables égaux.</translation>
    </message>
    <message>
        <source>The most intriguing position of 12 zodiacs, Eros is all intensity in Scorpio. Ruled by Pluto and Mars, this water sign gives you a magnetic, nearly hypnotic pull that others feel the very moment you walk into a crowded room. Desire for you is never casual; you want to merge body and soul with a partner and discover every secret they keep. Your passion is deep, loyal and transformative, yet you guard your own vulnerability fiercely. Jealousy and a need to control can surface when trust is shaken, and you rarely if ever forgive betrayal. A lover who is honest, brave and unafraid of emotional depth will share with you a bond unlike any other. </source>
        <translation>La position la plus fascinante des douze signes du zodiaque&#xa0;: en Scorpion, Éros n’est qu’intensité. Gouverné par Pluton et Mars, ce signe d’eau vous donne un attrait magnétique, presque hypnotique, que les autres ressentent dès l’instant où vous entrez dans une pièce bondée. Le désir n’est jamais anodin pour vous&#xa0;; vous voulez fusionner corps et âme avec l’autre et découvrir chacun de ses secrets. Votre passion est profonde, fidèle et transformatrice, mais vous protégez farouchement votre propre vulnérabilité. La jalousie et le besoin de contrôle peuvent surgir quand la confiance est ébranlée, et vous pardonnez rarement une trahison, voire jamais. Une personne honnête, courageuse et sans crainte de la profondeur émotionnelle partagera avec vous un lien sans pareil.</translation>
    </message>
    <message>
        <source>If you have Eros in Sagittarius, you are keen to explore the world and your own heart with equal enthusiasm. Jupiter, the planet of expansion, rules this fire sign, so your love life tends to be generous, optimistic and full of laughter.  You are attracted to people from different backgrounds, bold thinkers and fellow travellers who can talk philosophy over breakfast in a foreign city. Freedom is precious; a partner who tries to fence you in will soon find the gate open and you gone. In bed you are spontaneous, open-minded and cheerful, treating pleasure as one more adventure. Honesty comes naturally, though sometimes too bluntly for gentler hearts. Commitment is possible when it feels like a journey rather than a cage. Share your dreams, pack light, and let your lover walk beside you rather than behind you, and the road ahead will be bright. </source>
        <translation>Si vous avez Éros en Sagittaire, vous explorez le monde et votre propre cœur avec le même enthousiasme. Jupiter, la planète de l’expansion, gouverne ce signe de feu&#xa0;; votre vie amoureuse est donc souvent généreuse, optimiste et pleine de rires. Les gens d’horizons différents vous attirent, comme les esprits audacieux et les compagnons de voyage avec qui philosopher au petit déjeuner dans une ville étrangère. La liberté vous est précieuse&#xa0;; qui tente de vous enfermer trouvera vite la porte ouverte et l’oiseau envolé. Au lit, vous montrez spontanéité, ouverture et gaieté, et le plaisir est pour vous une aventure de plus. La franchise vous vient naturellement, parfois trop brutalement pour les cœurs plus tendres. L’engagement est possible s’il ressemble à un voyage plutôt qu’à une cage. Partagez vos rêves, voyagez léger et laissez l’être aimé marcher à vos côtés plutôt que derrière vous&#xa0;: la route sera lumineuse.</translation>
    </message>
    <message>
        <source>Judgmental in your attitude towards others, you will never indulge in a romance that you consider unworthy of your time. Saturn rules this earth sign, making you cautious, ambitious and reserved in matters of the heart. You take love seriously and prefer a partner with status, discipline and clear goals. Courtship with you is slow and deliberate, and some may mistake your restraint for coldness. Yet behind that composed exterior lies a strong physical nature and a surprisingly dry, wicked sense of humour. Once committed, you are faithful, protective and dependable, building a relationship as carefully as a career. Allow yourself to relax and play, because even the most solid mountain needs spring.</source>
        <translation>Sévère dans votre jugement sur les autres, vous ne vous laisserez jamais aller à une romance que vous jugez indigne de votre temps. Saturne gouverne ce signe de terre et vous donne prudence, ambition et réserve dans les affaires de cœur. Vous prenez l’amour au sérieux et préférez une personne qui a du prestige, de la discipline et des objectifs clairs. Vous faire la cour est une entreprise lente et réfléchie, et certains prennent votre retenue pour de la froideur. Pourtant, derrière ces dehors maîtrisés se cachent une nature physique puissante et un humour pince-sans-rire étonnamment malicieux. Une fois l’engagement pris, vous restez fidèle, protégez l’autre et tenez parole, et vous bâtissez une relation avec autant de soin qu’une carrière. Autorisez-vous à vous détendre et à jouer, car même la montagne la plus solide a besoin d’un printemps.</translation>
    </message>
    <message>
        <source>Following the same well-trodden path is not your way of loving. With Eros in this air sign ruled by Uranus, you are drawn to the unusual, the eccentric and the gifted. Friendship is the foundation of every romance for you, and a partner must first win your mind before winning your body. You value independence highly and can seem detached, even when your feelings run strong. Unconventional arrangements do not frighten you, and you enjoy experimenting with new ideas in love as in life. Possessive or clingy lovers make you feel trapped. Someone who respects your space, shares your ideals and surprises you now and then will find you loyal in your own original way. </source>
        <translation>Suivre les sentiers battus n’est pas votre façon d’aimer. Avec Éros dans ce signe d’air gouverné par Uranus, l’insolite, l’excentrique et le talentueux vous attirent. Pour vous, l’amitié est le fondement de toute romance, et qui veut votre corps doit d’abord conquérir votre esprit. Vous tenez beaucoup à votre indépendance et pouvez donner une impression de distance, même quand vos sentiments sont forts. Les arrangements peu conventionnels ne vous effraient pas, et vous aimez expérimenter des idées nouvelles en amour comme dans la vie. Un amour possessif ou collant vous fait l’effet d’un piège. Qui respecte votre espace, partage vos idéaux et vous surprend de temps en temps vous trouvera fidèle, à votre manière bien à vous.</translation>
    </message>
    <message>
        <source>In this sign, Eros loses his self assertive ego even as he gains a boundless capacity for tenderness. Ruled by Neptune, this water sign makes you dreamy, compassionate and deeply romantic. You long for a soul mate and may idealise a lover, seeing the poet rather than the person. Intimacy for you is a spiritual experience as much as a physical one, full of soft music, candlelight and whispered fantasies. You sense a partner&apos;s needs intuitively and give without ever keeping score. Be wary of rescuing wounded souls, since sacrifice can turn into a sad cliché of the martyr in love. With a kind and grounded companion, your imagination turns love into poetry.</source>
        <translation>Dans ce signe, Éros perd son ego affirmé tout en gagnant une capacité infinie de tendresse. Gouverné par Neptune, ce signe d’eau vous porte au rêve, à la compassion et à un profond romantisme. Vous aspirez à trouver l’âme sœur et risquez d’idéaliser l’être aimé, voyant le poète plutôt que la personne. L’intimité est pour vous une expérience spirituelle autant que physique, faite de musique douce, de chandelles et de fantasmes murmurés. Vous percevez intuitivement les besoins de l’autre et donnez sans jamais compter. Méfiez-vous de l’envie de sauver les âmes blessées, car le sacrifice peut tourner au triste cliché du martyr de l’amour. Aux côtés d’une personne bienveillante et ancrée, votre imagination fait de l’amour une poésie.</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>starkindle: option &apos;--sign&apos; needs at least one date
</source>
        <translation>starkindle : l’option « --sign » demande au moins une date
</translation>
    </message>
    <message>
        <source>starkindle: option &apos;%1&apos; needs a value
</source>
        <translation>starkindle : l’option « %1 » demande une valeur
</translation>
    </message>
    <message>
        <source>starkindle: unrecognized option &apos;%1&apos;
</source>
        <translation>starkindle : option « %1 » non reconnue
</translation>
    </message>
    <message>
        <source>starkindle: unexpected argument &apos;%1&apos;
</source>
        <translation>starkindle : argument « %1 » inattendu
</translation>
    </message>
    <message>
        <source>starkindle: cannot write the answer: %1
</source>
        <translation>starkindle : impossible d’écrire la réponse : %1
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a date from %2-01-01 to %3-12-31 (YYYY-MM-DD, optionally with THH:MM and Z, +HH:MM or -HH:MM)
</source>
        <translation>starkindle : « %1 » n’est pas une date du %2-01-01 au %3-12-31 (AAAA-MM-JJ, éventuellement avec THH:MM et Z, +HH:MM ou -HH:MM)
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is a local time the clocks skip in this time zone
</source>
        <translation>starkindle : « %1 » est une heure locale que les horloges sautent dans ce fuseau horaire
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a moment from %2-01-01T00:00Z to %3-12-31T23:59Z
</source>
        <translation>starkindle : « %1 » n’est pas un instant du %2-01-01T00:00Z au %3-12-31T23:59Z
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; happens twice in this time zone, in two signs: add its UTC offset (+HH:MM or -HH:MM)
</source>
        <translation>starkindle : « %1 » arrive deux fois dans ce fuseau horaire, dans deux signes : ajoutez son décalage UTC (+HH:MM ou -HH:MM)
</translation>
    </message>
    <message>
        <source>starkindle: cannot read standard input: %1
</source>
        <translation>starkindle : impossible de lire l’entrée standard : %1
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
        <translation>Syntaxe : starkindle [OPTION]...
     ou : starkindle --sign [--zone ZONE|--place NOM] DATE[THH:MM[DÉCALAGE]]...
Indique le signe du zodiaque où se trouvait l’astéroïde Éros à une date de
naissance entre %1 et %2, avec l’interprétation de ce signe.
De %3 à %4, le signe vient de la table d’origine du programme ; pour les
autres années, d’éphémérides calculées à partir de l’orbite d’Éros établie
par le JPL, à 12:00 UT du jour.

Options :
  -h, --help         afficher cette aide et quitter
      --version      afficher la version et quitter
      --sign DATE...
                     afficher « DATE SIGNE » pour chaque date (AAAA-MM-JJ, du
                     %1-01-01 au %2-12-31 ; signe en anglais) et quitter,
                     sans session graphique. Avec une heure (THH:MM, puis Z
                     pour UT, un DÉCALAGE +HH:MM ou -HH:MM, ou rien pour
                     l’heure locale), le signe à cet instant ; de %3 à %4,
                     la réponse suit toujours la date telle qu’écrite. « - »
                     lit les dates sur l’entrée standard, une par ligne. Une
                     date refusée est nommée sur la sortie d’erreur, les autres
                     reçoivent leur réponse, et le code de sortie est 2.
      --zone ZONE    lire les heures et les jours locaux dans le fuseau horaire
                     IANA ZONE (par exemple Europe/Paris), avec son historique
      --place NOM    les lire là où se trouve NOM (le lieu le plus peuplé de ce
                     nom ; « NOM, CC » pour un pays) et nommer le lieu après
                     chaque réponse
      --json         afficher à la place un objet JSON par ligne : input, utc,
                     sign, longitude (degrés), degree (dans le signe),
                     retrograde, source (table ou ephemeris), zone et offset ;
                     sky_sign quand le signe du degré n’est pas celui de la
                     réponse, later_sign et change un jour à deux signes, place
                     avec --place
      --csv          la même chose en CSV, après une ligne d’en-tête
  --                 fin des options : tout ce qui suit est une date

L’heure locale est celle de TZ, sinon celle du système. Un TZ qui ne désigne
aucun fuseau horaire (comme TZ=Foo/Bar) est refusé pour les heures sans
décalage, et non pris pour UT. Avec --zone ou --place, une date seule répond
pour toute la journée locale : son signe, ou les deux signes et l’heure locale
du changement.

Les options propres à Qt sont aussi acceptées, dont -platform NOM,
-display AFFICHAGE, -style STYLE et -reverse.
Le programme a besoin d’une session graphique (X11, ou Wayland avec
qt6-wayland).
</translation>
    </message>
    <message>
        <source>Try &apos;starkindle --help&apos; for more information.
</source>
        <translation>Saisissez « starkindle --help » pour plus d’informations.
</translation>
    </message>
    <message>
        <source>starkindle: TZ=&apos;%1&apos; names no time zone: use --zone AREA/CITY, or give the time&apos;s UTC offset
</source>
        <translation>starkindle : TZ=&apos;%1&apos; ne désigne aucun fuseau horaire : utilisez --zone RÉGION/VILLE, ou indiquez le décalage UTC de l’heure
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is a day this time zone skipped
</source>
        <translation>starkindle : « %1 » est un jour que ce fuseau horaire a sauté
</translation>
    </message>
    <message>
        <source>starkindle: options &apos;--zone&apos;, &apos;--place&apos;, &apos;--json&apos; and &apos;--csv&apos; go with &apos;--sign&apos;
</source>
        <translation>starkindle : les options « --zone », « --place », « --json » et « --csv » s’emploient avec « --sign »
</translation>
    </message>
    <message>
        <source>starkindle: give &apos;--zone&apos; or &apos;--place&apos;, not both
</source>
        <translation>starkindle : indiquez « --zone » ou « --place », pas les deux
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a time zone (AREA/CITY, such as Europe/London)
</source>
        <translation>starkindle : « %1 » n’est pas un fuseau horaire (RÉGION/VILLE, par exemple Europe/Paris)
</translation>
    </message>
    <message>
        <source>starkindle: no place called &apos;%1&apos; is known
</source>
        <translation>starkindle : aucun lieu nommé « %1 » n’est connu
</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Starkindle icon</source>
        <translation>Icône de Starkindle</translation>
    </message>
    <message>
        <source>Starkindle describes the placement of the asteroid Eros in your birth chart. This asteroid is also known as the Cupid. This sign helps you understand yourself and know more about your sexual urges and passionate feelings. It gives you an insight to your creative feelings. All rights to this software are reserved by Corvane Softwares.</source>
        <translation>Starkindle décrit la position de l’astéroïde Éros, aussi appelé Cupidon, dans votre thème natal. Son signe vous aide à vous comprendre et à en savoir plus sur vos pulsions sexuelles et vos sentiments passionnés, et vous éclaire sur votre sensibilité créatrice. Tous droits sur ce logiciel réservés à Corvane Softwares.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Visiter %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Une activité à domicile&#xa0;: créez votre propre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement à votre marque pour votre site.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Plus de détails ici</translation>
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
        <translation>Signe astrologique sexuel</translation>
    </message>
    <message>
        <source>Eros is the god of sexual love and desire.</source>
        <translation>Éros est le dieu de l’amour charnel et du désir.</translation>
    </message>
    <message>
        <source>Eros in your Chart is Placed in</source>
        <translation>Dans votre thème natal, Éros est en</translation>
    </message>
    <message>
        <source>Your sexual astrology sign</source>
        <translation>Votre signe astrologique sexuel</translation>
    </message>
    <message>
        <source>The reading for your sign</source>
        <translation>L’interprétation de votre signe</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Rechercher une mise à jour</translation>
    </message>
    <message>
        <source>Eros in your Chart is Placed in %1. %2</source>
        <translation>Dans votre thème natal, Éros est en %1. %2</translation>
    </message>
    <message>
        <source>About This Answer</source>
        <translation>À propos de cette réponse</translation>
    </message>
    <message>
        <source>Notes on your sign</source>
        <translation>Notes sur votre signe</translation>
    </message>
    <message>
        <source>Swaps the sign and reading above for those of the other part of the day</source>
        <translation>Remplace le signe et l’interprétation ci-dessus par ceux de l’autre partie de la journée</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Show the reading for %1</source>
        <translation>&amp;Voir l’interprétation pour %1</translation>
    </message>
    <message>
        <source>Save &amp;Picture...</source>
        <translation>Enregistrer l’&amp;image...</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Enregistrer l’image</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved in %1.</source>
        <translation>L’image n’a pas pu être enregistrée dans %1.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Starkindle describes the placement of the asteroid Eros in your birth chart. This helps you know more about the sexual, passion, love and erotic side of your nature</source>
        <translation>Starkindle décrit la position de l’astéroïde Éros dans votre thème natal. Il vous aide à mieux connaître le côté sexuel, passionné, amoureux et érotique de votre nature</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Né(e) le</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Find My &amp;Sexual Astrology Sign</source>
        <translation>Trouver mon &amp;signe astrologique sexuel</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Rechercher une mise à jour</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Veuillez saisir uniquement des lettres</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Veuillez saisir un jour ou un mois valide&#xa0;!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Veuillez saisir un jour ou un mois valide&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;Time of Birth</source>
        <translation>&amp;Heure natale</translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation>Heure de naissance</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>the time of birth, when none is given</comment>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>the place of birth, when none is given</comment>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Hours and minutes, such as 14:30; leave it empty if unknown</source>
        <translation>Heures et minutes, par exemple 14:30&#xa0;; laissez vide si vous ne la connaissez pas</translation>
    </message>
    <message>
        <source>(optional)</source>
        <translation>(facultatif)</translation>
    </message>
    <message>
        <source>&amp;Place of Birth</source>
        <translation>&amp;Ville natale</translation>
    </message>
    <message>
        <source>Place of birth</source>
        <translation>Lieu de naissance</translation>
    </message>
    <message>
        <source>A town or city, such as London; leave it empty if unknown</source>
        <translation>Une ville ou une commune, par exemple Paris&#xa0;; laissez vide si vous ne le connaissez pas</translation>
    </message>
    <message>
        <source>Please enter the time of birth as hours and minutes, such as 14:30, or leave it empty.</source>
        <translation>Veuillez saisir l’heure de naissance en heures et minutes, par exemple 14:30, ou laisser le champ vide.</translation>
    </message>
    <message>
        <source>No place called &quot;%1&quot; is known. Please type a town or city, such as London, or leave it empty.</source>
        <translation>Aucun lieu nommé «&#xa0;%1&#xa0;» n’est connu. Veuillez saisir une ville ou une commune, par exemple Paris, ou laisser le champ vide.</translation>
    </message>
    <message>
        <source>The clocks there skipped %1 on that day, so no one was born at that time. Please check the time of birth.</source>
        <translation>Ce jour-là, les horloges de ce lieu ont sauté %1&#xa0;: personne n’est donc né à cette heure. Veuillez vérifier l’heure de naissance.</translation>
    </message>
    <message>
        <source>That day was skipped there: the calendar went from the day before to the day after. Please check the date and place.</source>
        <translation>Ce jour a été sauté dans ce lieu&#xa0;: le calendrier est passé directement de la veille au lendemain. Veuillez vérifier la date et le lieu.</translation>
    </message>
    <message>
        <source>That moment falls outside %1 to %2 in UT, the years the program answers for.</source>
        <translation>En UT, ce moment tombe en dehors des années %1 à %2, pour lesquelles le programme donne une réponse.</translation>
    </message>
</context>
<context>
    <name>frmNagScreen2</name>
    <message>
        <source>Starkindle icon</source>
        <translation>Icône de Starkindle</translation>
    </message>
    <message>
        <source>Download Corvane Softwares</source>
        <translation>Télécharger les logiciels de Corvane Softwares</translation>
    </message>
    <message>
        <source>Starkindle is one of a whole family of small programs from Corvane Softwares: astrology and numerology readings, personal organisers, learning aids and handy everyday tools. Most of them are free to download and try, and every one is made with the same care as this one. Spend a few minutes browsing the collection; you may find just the tool you have been looking for, or a pleasant surprise to share with a friend.</source>
        <translation>Starkindle fait partie de toute une famille de petits programmes de Corvane Softwares&#xa0;: interprétations astrologiques et numérologiques, agendas, aides à l’apprentissage et outils pratiques du quotidien. La plupart sont gratuits à télécharger et à essayer, et tous sont faits avec le même soin que celui-ci. Prenez quelques minutes pour parcourir la collection&#xa0;; vous y trouverez peut-être l’outil que vous cherchiez, ou une bonne surprise à partager avec un ami.</translation>
    </message>
    <message>
        <source>Click Here To Visit Corvane Softwares</source>
        <translation>Cliquez ici pour visiter Corvane Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Recommander &amp;maintenant</translation>
    </message>
    <message>
        <source>Visit %1 now</source>
        <translation>Visiter %1 maintenant</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Corvane Softwares can only make and maintain programs like this one with your support, and the best support you can give is to visit the Corvane discussion forum regularly and take part in it.</source>
        <translation>Corvane Softwares ne peut créer et maintenir des programmes comme celui-ci qu’avec votre soutien, et le meilleur soutien que vous puissiez nous apporter est de visiter régulièrement le forum de discussion Corvane et d’y participer.</translation>
    </message>
    <message>
        <source>Please visit the Corvane discussion forum regularly and join in its discussions. Without you we cannot keep our programs maintained.</source>
        <translation>Visitez régulièrement le forum de discussion Corvane et participez à ses discussions. Sans vous, nous ne pouvons pas continuer à maintenir nos programmes.</translation>
    </message>
    <message>
        <source>The Corvane discussion forum is a free online discussion forum. Please visit it regularly and help us maintain this program.</source>
        <translation>Le forum de discussion Corvane est un forum en ligne gratuit. Visitez-le régulièrement et aidez-nous à maintenir ce programme.</translation>
    </message>
    <message>
        <source>The Corvane discussion forum needs your help. Please visit it regularly, so that we can develop more programs for you.</source>
        <translation>Le forum de discussion Corvane a besoin de votre aide. Visitez-le régulièrement, afin que nous puissions développer d’autres programmes pour vous.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Veuillez saisir deux adresses e-mail différentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez saisir une adresse e-mail valide</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Une adresse e-mail ne peut pas contenir d’espace</translation>
    </message>
</context>
<context>
    <name>look</name>
    <message>
        <source>Opens a web page in your browser</source>
        <translation>Ouvre une page web dans votre navigateur</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Voulez-vous rechercher une mise à jour&#xa0;?</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Your referral is too long to be sent. Please shorten your message.</source>
        <translation>Votre recommandation est trop longue pour être envoyée. Veuillez raccourcir votre message.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre adresse e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l’adresse e-mail de votre ami</translation>
    </message>
</context>
<context>
    <name>nodisplay</name>
    <message>
        <source>starkindle: no display could be opened: no X display, and the Wayland platform plugin is not installed (qt6-wayland)
</source>
        <translation>starkindle : aucun écran n’a pu être ouvert : pas d’écran X, et le module de plateforme Wayland n’est pas installé (qt6-wayland)
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened: DISPLAY is %1, and the Wayland platform plugin is not installed (qt6-wayland)
</source>
        <translation>starkindle : aucun écran n’a pu être ouvert : DISPLAY vaut %1, et le module de plateforme Wayland n’est pas installé (qt6-wayland)
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened (DISPLAY is not set); start it from a graphical session
</source>
        <translation>starkindle : aucun écran n’a pu être ouvert (DISPLAY n’est pas défini) ; lancez le programme depuis une session graphique
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened (DISPLAY is %1); start it from a graphical session
</source>
        <translation>starkindle : aucun écran n’a pu être ouvert (DISPLAY vaut %1) ; lancez le programme depuis une session graphique
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened: the X server of DISPLAY %1 dropped the connection %2 times in a row
</source>
        <translation>starkindle : aucun écran n’a pu être ouvert : le serveur X de DISPLAY %1 a coupé la connexion %2 fois de suite
</translation>
    </message>
</context>
<context>
    <name>promotion</name>
    <message>
        <source>Talk it over in the Corvane forum at %1</source>
        <translation>Discutez-en sur le forum Corvane&#xa0;: %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Une activité à domicile&#xa0;: créez votre entreprise sur Internet et gagnez de l’argent en ligne. Proposez ce logiciel à votre marque sur votre site. Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Your name and links go on every copy your visitors take home; see the Help for details. Click Here for more info on co-branding.</source>
        <translation>Mettez votre marque sur ce logiciel&#xa0;: votre nom et vos liens figurent sur chaque copie qu’emportent vos visiteurs (voir l’Aide). Cliquez ici pour en savoir plus sur le co-branding.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Nous rendre &amp;visite en ligne</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Dons</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Gagner de l’argent en ligne</translation>
    </message>
</context>
<context>
    <name>startup</name>
    <message>
        <source>Application is already running</source>
        <translation>L’application est déjà en cours d’exécution</translation>
    </message>
    <message>
        <source>Starkindle cannot start: it found no private folder for the lock that keeps a second copy from running. The system has no home folder on record for your user, and HOME is not a folder that only you can write to. Set HOME to such a folder and start Starkindle again.</source>
        <translation>Starkindle ne peut pas démarrer&#xa0;: aucun dossier privé n’a été trouvé pour le verrou qui empêche de lancer une seconde copie. Le système ne connaît aucun dossier personnel pour votre utilisateur, et HOME n’est pas un dossier où vous seul pouvez écrire. Faites pointer HOME vers un tel dossier et relancez Starkindle.</translation>
    </message>
</context>
</TS>
