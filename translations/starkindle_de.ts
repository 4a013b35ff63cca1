<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Calendar</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
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
        <translation>August</translation>
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
        <translation>Dezember</translation>
    </message>
</context>
<context>
    <name>CalendarDate</name>
    <message>
        <source>January</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>Dezember</translation>
    </message>
</context>
<context>
    <name>ResultNotes</name>
    <message>
        <source>%1 %2 %3</source>
        <comment>a date: day, month name, year</comment>
        <translation>%1. %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>a date on the first of a month: day, month name, year</comment>
        <translation>%1. %2 %3</translation>
    </message>
    <message>
        <source>The sign comes from the original table, which covers %1 to %2.</source>
        <translation>Das Zeichen stammt aus der ursprünglichen Tabelle, die die Jahre %1 bis %2 umfasst.</translation>
    </message>
    <message>
        <source>On this day the table has Eros moving from %1 into %2; it gives no hour.</source>
        <translation>Laut Tabelle wechselt Eros an diesem Tag vom Zeichen %1 in das Zeichen %2; eine Uhrzeit nennt sie nicht.</translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for %1 UT on this day.</source>
        <translation>Das Zeichen wurde für %1 UT dieses Tages aus der vom JPL bestimmten Bahn des Eros berechnet.</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2.</source>
        <translation>Antwort für %1, geboren am %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>days and hours</comment>
        <translation>%1 und %2</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>hours and minutes</comment>
        <translation>%1 und %2</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>weniger als eine Minute</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>two signs, when the birth time decides</comment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1 UT on %2</source>
        <comment>a moment in UT: time, date</comment>
        <translation>%1 UT am %2</translation>
    </message>
    <message>
        <source>%1, which was %2 on %3 local time (%4)</source>
        <comment>a UT moment, then the local time, date and clock</comment>
        <translation>%1, nach Ortszeit %2 am %3 (%4)</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2 at %3.</source>
        <translation>Antwort für %1, geboren am %2 um %3.</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2 at %3 in %4.</source>
        <translation>Antwort für %1, geboren am %2 um %3 in %4.</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2 in %3.</source>
        <translation>Antwort für %1, geboren am %2 in %3.</translation>
    </message>
    <message>
        <source>No birthplace was given: this computer&apos;s time zone stands in for it.</source>
        <translation>Es wurde kein Geburtsort angegeben: An seiner Stelle gilt die Zeitzone dieses Computers.</translation>
    </message>
    <message>
        <source>The clocks there showed that time twice: at %1 and at %2.</source>
        <translation>Die Uhren dort zeigten diese Uhrzeit zweimal: um %1 und um %2.</translation>
    </message>
    <message>
        <source>You were born at %1 (%2).</source>
        <translation>Sie wurden um %1 geboren (%2).</translation>
    </message>
    <message>
        <source>You were born at %1.</source>
        <translation>Sie wurden um %1 geboren.</translation>
    </message>
    <message>
        <source>You were born at %1 on %2 local time (%3), which was %4.</source>
        <translation>Sie wurden um %1 am %2 Ortszeit geboren (%3), also um %4.</translation>
    </message>
    <message>
        <source>Eros had entered %1 %2 before your birth and moved on into %3 %4 after it.</source>
        <translation>Eros war %2 vor Ihrer Geburt in das Zeichen %1 eingetreten und zog %4 danach weiter in das Zeichen %3.</translation>
    </message>
    <message>
        <source>Eros moved from %1 into %2 at %3.</source>
        <translation>Eros wechselte um %3 vom Zeichen %1 in das Zeichen %2.</translation>
    </message>
    <message>
        <source>If you were born before %1, Eros was in %2; if later, in %3.</source>
        <translation>Wenn Sie vor %1 geboren wurden, stand Eros im Zeichen %2, wenn später, im Zeichen %3.</translation>
    </message>
    <message>
        <source>%1 UT</source>
        <translation>%1 UT</translation>
    </message>
    <message>
        <source>%1 local time</source>
        <translation>%1 Ortszeit</translation>
    </message>
    <message>
        <source>Give your time of birth for one sign.</source>
        <translation>Geben Sie Ihre Geburtszeit an, um ein einziges Zeichen zu erhalten.</translation>
    </message>
    <message>
        <source>Eros was then within %1″ of the boundary between %2 and %3, closer than the model&apos;s error: the sign could be either.</source>
        <translation>Eros stand damals weniger als %1″ von der Grenze zwischen %2 und %3 entfernt und damit innerhalb der Fehlergrenze des Modells: Es kann jedes der beiden Zeichen sein.</translation>
    </message>
    <message>
        <source>retrograde ℞</source>
        <comment>Eros moving backwards through the signs</comment>
        <translation>rückläufig ℞</translation>
    </message>
    <message>
        <source>In the computed sky Eros stood at %1.</source>
        <translation>Am berechneten Himmel stand Eros auf %1.</translation>
    </message>
    <message>
        <source>Eros stood at %1.</source>
        <translation>Eros stand auf %1.</translation>
    </message>
    <message>
        <source>In the computed sky Eros stood at %1, %2.</source>
        <translation>Am berechneten Himmel stand Eros auf %1, %2.</translation>
    </message>
    <message>
        <source>Eros stood at %1, %2.</source>
        <translation>Eros stand auf %1, %2.</translation>
    </message>
    <message>
        <source>Over the day in UT Eros moved from %1 to %2.</source>
        <translation>Im Lauf des Tages in UT zog Eros von %1 nach %2.</translation>
    </message>
    <message>
        <source>Over the local day Eros moved from %1 to %2.</source>
        <translation>Im Lauf des Ortstages zog Eros von %1 nach %2.</translation>
    </message>
    <message>
        <source>In the computed sky, over the day in UT, Eros moved from %1 to %2.</source>
        <translation>Am berechneten Himmel zog Eros im Lauf des Tages in UT von %1 nach %2.</translation>
    </message>
    <message>
        <source>In the computed sky, over the local day, Eros moved from %1 to %2.</source>
        <translation>Am berechneten Himmel zog Eros im Lauf des Ortstages von %1 nach %2.</translation>
    </message>
    <message>
        <source>Eros was %1 all day.</source>
        <translation>Eros war den ganzen Tag %1.</translation>
    </message>
    <message>
        <source>Eros stood still at %1 and then turned %2.</source>
        <translation>Eros stand um %1 still und wurde dann %2.</translation>
    </message>
    <message>
        <source>Eros stood still at %1 and then turned direct.</source>
        <translation>Eros stand um %1 still und wurde dann wieder direktläufig.</translation>
    </message>
    <message>
        <source>That is in %1, not in the table&apos;s %2, which the program keeps.</source>
        <translation>Das liegt im Zeichen %1, nicht im Zeichen %2 der Tabelle, das das Programm beibehält.</translation>
    </message>
    <message>
        <source>Eros at %1, %2</source>
        <translation>Eros auf %1, %2</translation>
    </message>
    <message>
        <source>retrograde</source>
        <translation>rückläufig</translation>
    </message>
    <message>
        <source>Eros at %1</source>
        <translation>Eros auf %1</translation>
    </message>
    <message>
        <source>A zodiac wheel with Eros at %1 and the Sun at %2.</source>
        <translation>Ein Tierkreis mit Eros auf %1 und der Sonne auf %2.</translation>
    </message>
    <message>
        <source>A zodiac wheel with Eros at %1.</source>
        <translation>Ein Tierkreis mit Eros auf %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>a span of years</comment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>The computed sky has that change at %1.</source>
        <translation>Am berechneten Himmel liegt dieser Wechsel um %1.</translation>
    </message>
    <message>
        <source>The reading shown is for %1, the sign before the change: by the computed sky, for births before %2 UT on %3.</source>
        <translation>Die angezeigte Deutung gilt dem Zeichen %1, dem Zeichen vor dem Wechsel: nach dem berechneten Himmel für Geburten vor %2 UT am %3.</translation>
    </message>
    <message>
        <source>at the moment of your birth</source>
        <translation>im Moment Ihrer Geburt</translation>
    </message>
    <message>
        <source>at %1 UT on this day</source>
        <translation>um %1 UT an diesem Tag</translation>
    </message>
    <message>
        <source>The computed sky puts Eros in %1 %2; for %3 the program keeps the original table&apos;s answer, %4.</source>
        <translation>Am berechneten Himmel steht Eros %2 im Zeichen %1; für die Jahre %3 behält das Programm die Antwort der ursprünglichen Tabelle bei, %4.</translation>
    </message>
    <message>
        <source>The reading shown is for %1, where the computed sky puts Eros; the program answers with the table&apos;s %2.</source>
        <translation>Die angezeigte Deutung gilt dem Zeichen %1, in dem Eros am berechneten Himmel steht; das Programm antwortet mit dem Zeichen %2 der Tabelle.</translation>
    </message>
    <message>
        <source>The computed sky has Eros moving from %1 into %2 at %3.</source>
        <translation>Am berechneten Himmel wechselt Eros um %3 vom Zeichen %1 in das Zeichen %2.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births before %2.</source>
        <translation>Die angezeigte Deutung gilt dem Zeichen %1: für Geburten vor %2.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births at or after %2.</source>
        <translation>Die angezeigte Deutung gilt dem Zeichen %1: für Geburten ab %2.</translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for the moment of your birth.</source>
        <translation>Das Zeichen wurde für den Moment Ihrer Geburt aus der vom JPL bestimmten Bahn des Eros berechnet.</translation>
    </message>
    <message>
        <source>At the first Eros was in %1, at the second in %2.</source>
        <translation>Zum ersten Zeitpunkt stand Eros im Zeichen %1, zum zweiten im Zeichen %2.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for a birth at the first of the two.</source>
        <translation>Die angezeigte Deutung gilt dem Zeichen %1: für eine Geburt zum ersten der beiden Zeitpunkte.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for a birth at the second of the two.</source>
        <translation>Die angezeigte Deutung gilt dem Zeichen %1: für eine Geburt zum zweiten der beiden Zeitpunkte.</translation>
    </message>
    <message>
        <source>The reading shown is for %1, the sign Eros was in or entered within the model&apos;s error of your birth.</source>
        <translation>Die angezeigte Deutung gilt dem Zeichen %1, in dem Eros bei Ihrer Geburt stand oder in das er, gemessen an der Fehlergrenze des Modells, zur selben Zeit eintrat.</translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for the whole day at the birthplace.</source>
        <translation>Das Zeichen wurde für den ganzen Tag am Geburtsort aus der vom JPL bestimmten Bahn des Eros berechnet.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births before %2 local time.</source>
        <translation>Die angezeigte Deutung gilt dem Zeichen %1: für Geburten vor %2 Ortszeit.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births at or after %2 local time.</source>
        <translation>Die angezeigte Deutung gilt dem Zeichen %1: für Geburten ab %2 Ortszeit.</translation>
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
        <translation>Es konnte kein Webbrowser gestartet werden, um diese Seite zu öffnen. Kopieren Sie die Adresse unten selbst in einen Browser.</translation>
    </message>
    <message>
        <source>No web browser could be started to open this page. Install xdg-utils and a web browser, or copy the address below into a browser yourself.</source>
        <translation>Es konnte kein Webbrowser gestartet werden, um diese Seite zu öffnen. Installieren Sie xdg-utils und einen Webbrowser, oder kopieren Sie die Adresse unten selbst in einen Browser.</translation>
    </message>
    <message>
        <source>Address of the page</source>
        <translation>Adresse der Seite</translation>
    </message>
</context>
<context>
    <name>Sign</name>
    <message>
        <source>Aries</source>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
</context>
<context>
    <name>SignReadings</name>
    <message>
        <source>The placement or Eros in this cardinal fire sign is a spark thrown into dry grass. Mars, ruler of Aries, lends your desire speed and daring, so you fall for someone in a heartbeat and see no reason to wait for permission. You love the chase as much as the prize, and a partner who plays a little hard to get keeps your pulse racing. In bed you are direct, playful and generous with your energy, preferring honest hunger to coy games. Boredom is your real rival; routine cools you faster than any quarrel. Learn to linger, because tenderness shown slowly can be as thrilling as a sudden kiss. The lover who can match your courage and still slow you down now and then will hold your heart for a very long time.</source>
        <translation>Eros in diesem kardinalen Feuerzeichen ist ein Funke, der auf trockenes Gras fällt. Mars, der Herrscher des Widders, verleiht Ihrem Verlangen Tempo und Wagemut: Sie verlieben sich im Handumdrehen und sehen keinen Grund, auf eine Erlaubnis zu warten. Die Jagd reizt Sie ebenso wie die Beute, und wer sich ein wenig ziert, lässt Ihren Puls höherschlagen. Im Bett sind Sie direkt, verspielt und großzügig mit Ihrer Energie; ehrlicher Hunger ist Ihnen lieber als gespielte Zurückhaltung. Ihr wahrer Rivale ist die Langeweile: Routine kühlt Sie schneller ab als jeder Streit. Lernen Sie zu verweilen, denn langsam gezeigte Zärtlichkeit kann so aufregend sein wie ein plötzlicher Kuss. Wer Ihrem Mut gewachsen ist und Sie dennoch ab und zu bremsen kann, wird Ihr Herz sehr lange behalten.</translation>
    </message>
    <message>
        <source>Dominated by the goddess of love, Venus, Taurus is steeped in sensual pleasure, and Eros here turns desire into something you can touch, taste and savour. You never hurry. Seduction for you is a long, slow dinner by candlelight, silk sheets, a favourite song and the warmth of skin against skin. Once you have chosen a partner you are loyal, affectionate and deeply devoted, and you expect the same steadiness in return. Your earthy nature makes you a patient, attentive lover who remembers precisely what pleases. Possessiveness can creep in when you feel insecure, so let trust do the work that jealousy never could. Given time and comfort, your passion grows richer every year.</source>
        <translation>Beherrscht von Venus, der Göttin der Liebe, ist der Stier ganz von Sinnenfreude durchdrungen, und Eros verwandelt hier das Verlangen in etwas, das Sie berühren, schmecken und genießen können. Sie haben es nie eilig. Verführung ist für Sie ein langes, gemächliches Essen bei Kerzenlicht, Seidenlaken, ein Lieblingslied und die Wärme von Haut auf Haut. Haben Sie Ihre Wahl getroffen, sind Sie treu, zärtlich und zutiefst ergeben, und Sie erwarten dieselbe Beständigkeit zurück. Ihr erdverbundenes Wesen macht Sie in der Liebe geduldig und aufmerksam, und Sie wissen genau, was gefällt. Wenn Sie sich unsicher fühlen, kann sich Besitzdenken einschleichen; lassen Sie also Vertrauen bewirken, was Eifersucht nie vermocht hat. Mit Zeit und Geborgenheit wird Ihre Leidenschaft von Jahr zu Jahr reicher.</translation>
    </message>
    <message>
        <source>When Eros is coupled with Gemini, the sign of communication, desire begins in the mind. Ruled by quick-witted Mercury, you are seduced by clever words, teasing messages and long late-night conversations that wander everywhere. A partner who cannot keep up with your banter will not hold your interest, however attractive. You like variety and flirt almost without noticing, which can make others wonder how serious you are. Love for you must stay light on its feet, curious and full of surprises; the cliché of roses every Friday leaves you cold. When you find someone who is both playmate and best friend, your restless airy heart settles happily at last.  </source>
        <translation>Wenn Eros mit den Zwillingen, dem Zeichen der Kommunikation, zusammentrifft, beginnt das Verlangen im Kopf. Unter der Herrschaft des flinken Merkur lassen Sie sich von klugen Worten, neckischen Nachrichten und langen nächtlichen Gesprächen verführen, die überallhin schweifen. Wer bei Ihren Wortgefechten nicht mithalten kann, fesselt Sie trotz aller Reize nicht lange. Sie lieben die Abwechslung und flirten fast, ohne es zu merken, was andere fragen lässt, wie ernst Sie es meinen. Liebe muss für Sie leichtfüßig, neugierig und voller Überraschungen bleiben; das Klischee der Rosen an jedem Freitag lässt Sie kalt. Finden Sie jemanden, mit dem Sie spielen und dem Sie alles anvertrauen können, kommt Ihr rastloses, luftiges Herz endlich glücklich zur Ruhe.</translation>
    </message>
    <message>
        <source>A person with Eros in Cancer is eager to share a home as well as a bed. Ruled by the Moon, this water sign makes your desire tidal, rising and falling with your moods and with how safe you feel.  You need emotional closeness before physical intimacy can truly flower, and you give yourself fully once you trust. Caring for a partner is one of your deepest pleasures: cooking for them, remembering their childhood stories, holding them close when the world outside turns harsh. Under your protective shell lies a sensitive and romantic soul who can be deeply hurt by a careless word. You may retreat when wounded, so a lover must learn patience. Treated tenderly, you return a devotion that lasts a lifetime. </source>
        <translation>Wer Eros im Krebs hat, möchte nicht nur das Bett, sondern auch ein Zuhause teilen. Der Mond regiert dieses Wasserzeichen und lässt Ihr Verlangen wie die Gezeiten steigen und fallen, mit Ihren Stimmungen und damit, wie geborgen Sie sich fühlen. Sie brauchen seelische Nähe, bevor körperliche Intimität richtig aufblühen kann, und sobald Sie vertrauen, geben Sie sich ganz hin. Für den Menschen an Ihrer Seite zu sorgen gehört zu Ihren tiefsten Freuden: für ihn zu kochen, sich an seine Kindheitsgeschichten zu erinnern, ihn festzuhalten, wenn die Welt draußen rau wird. Unter Ihrem schützenden Panzer lebt eine empfindsame, romantische Seele, die ein unbedachtes Wort tief verletzen kann. Verwundet ziehen Sie sich vielleicht zurück, also muss, wer Sie liebt, Geduld lernen. Zärtlich behandelt, schenken Sie eine Hingabe, die ein Leben lang hält.</translation>
    </message>
    <message>
        <source>When Eros, the God of love occupies this fiery sign, romance becomes a grand performance and you are its radiant star. Ruled by the Sun, you love with warmth, generosity and a flair for drama. You want to be adored, admired and told so often, and in return you shower your partner with attention, gifts and loyal affection. Passion for you is bold and playful; you enjoy dressing up, setting the scene and making each night feel like an occasion. Pride is your weak spot, since a bruised ego can turn your fire into sulking. Choose a lover who applauds you sincerely and is confident enough to shine beside you. Together you can make a love story worth retelling.</source>
        <translation>Wenn Eros, der Gott der Liebe, dieses feurige Zeichen besetzt, wird die Romantik zur großen Vorstellung, und Sie sind ihr strahlender Star. Die Sonne regiert den Löwen, und so lieben Sie mit Wärme, Großzügigkeit und einem Sinn für Dramatik. Sie wollen angebetet und bewundert werden und es oft zu hören bekommen, und dafür überschütten Sie den Menschen an Ihrer Seite mit Aufmerksamkeit, Geschenken und treuer Zuneigung. Ihre Leidenschaft ist kühn und verspielt; Sie machen sich gern schön, sorgen für die passende Kulisse und machen jede Nacht zu einem besonderen Anlass. Stolz ist Ihr wunder Punkt, denn ein gekränktes Ego kann Ihr Feuer in Schmollen verwandeln. Wählen Sie jemanden, der Ihnen aufrichtig applaudiert und selbstbewusst genug ist, neben Ihnen zu strahlen. Gemeinsam können Sie eine Liebesgeschichte schreiben, die es wert ist, weitererzählt zu werden.</translation>
    </message>
    <message>
        <source>Whimsical and moody at times, you are a fine combination of cool reason and hidden sensuality. Mercury rules this earth sign, so you study a potential partner carefully before you let anyone close, noticing each small gesture and each broken promise. Your standards are high and you can be critical, yet that same attention to detail makes you a thoughtful and devoted lover. You show affection through practical care, fixing what is broken, planning the perfect weekend, quietly remembering what your partner likes. Beneath a modest, reserved exterior lies a surprisingly earthy appetite that only a trusted lover ever sees. Let go of the need for perfection and allow yourself to be adored as you are, flaws and all, and passion will follow naturally</source>
        <translation>Bisweilen launisch und wechselhaft, sind Sie eine feine Mischung aus kühler Vernunft und verborgener Sinnlichkeit. Merkur regiert dieses Erdzeichen, darum prüfen Sie jeden, der Ihnen gefällt, sorgfältig, bevor Sie jemanden an sich heranlassen, und bemerken jede kleine Geste und jedes gebrochene Versprechen. Ihre Ansprüche sind hoch, und Sie können kritisch sein, doch eben diese Liebe zum Detail macht Sie in der Liebe aufmerksam und hingebungsvoll. Ihre Zuneigung zeigen Sie durch praktische Fürsorge: Sie reparieren, was kaputt ist, planen das perfekte Wochenende und merken sich still, was Ihr Gegenüber mag. Hinter einer bescheidenen, zurückhaltenden Fassade verbirgt sich ein überraschend sinnlicher Appetit, den nur ein vertrauter Mensch je zu sehen bekommt. Lassen Sie den Anspruch auf Perfektion los und sich lieben, wie Sie sind, mit allen Ecken und Kanten, dann folgt die Leidenschaft von selbst.</translation>
    </message>
    <message>
        <source>Taking part in many activities with your partner is essential to you, because for Libra love is a shared adventure rather than a private refuge. Venus rules this airy sign, giving you charm, grace and a keen eye for beauty. You are drawn to elegant, refined people and you court them with compliments, good taste and gentle persuasion. Harmony matters to you enormously; arguments upset your balance, and you may keep quiet rather than risk a scene. In intimacy you are considerate and romantic, always attentive to what pleases the other person. The risk is losing yourself in trying to be the perfect companion. Speak up for your own desires, and you will find a partnership of true equals. </source>
        <translation>Vieles zu zweit zu unternehmen ist Ihnen wichtig, denn für die Waage ist Liebe eher ein gemeinsames Abenteuer als ein privater Rückzugsort. Venus regiert dieses Luftzeichen und schenkt Ihnen Charme, Anmut und einen feinen Blick für Schönheit. Sie fühlen sich zu eleganten, kultivierten Menschen hingezogen und umwerben sie mit Komplimenten, gutem Geschmack und sanfter Überzeugungskraft. Harmonie bedeutet Ihnen ungeheuer viel; Streit bringt Sie aus dem Gleichgewicht, und lieber schweigen Sie, als eine Szene zu riskieren. In der Intimität sind Sie rücksichtsvoll und romantisch und achten stets darauf, was dem anderen gefällt. Die Gefahr liegt darin, sich im Bemühen um die perfekte Beziehung selbst zu verlieren. Stehen Sie zu Ihren eigenen Wünschen, dann finden Sie eine Beziehung unter wirklich Gleichen.</translation>
    </message>
    <message>
        <source>The most intriguing position of 12 zodiacs, Eros is all intensity in Scorpio. Ruled by Pluto and Mars, this water sign gives you a magnetic, nearly hypnotic pull that others feel the very moment you walk into a crowded room. Desire for you is never casual; you want to merge body and soul with a partner and discover every secret they keep. Your passion is deep, loyal and transformative, yet you guard your own vulnerability fiercely. Jealousy and a need to control can surface when trust is shaken, and you rarely if ever forgive betrayal. A lover who is honest, brave and unafraid of emotional depth will share with you a bond unlike any other. </source>
        <translation>Die faszinierendste Stellung der zwölf Tierkreiszeichen: Im Skorpion ist Eros ganz Intensität. Pluto und Mars regieren dieses Wasserzeichen und verleihen Ihnen eine magnetische, fast hypnotische Anziehungskraft, die andere in dem Moment spüren, in dem Sie einen vollen Raum betreten. Verlangen ist für Sie nie beiläufig; Sie wollen mit dem geliebten Menschen an Leib und Seele verschmelzen und jedes seiner Geheimnisse ergründen. Ihre Leidenschaft ist tief, treu und verwandelnd, doch Ihre eigene Verletzlichkeit hüten Sie eisern. Eifersucht und der Wunsch nach Kontrolle können aufkommen, wenn Ihr Vertrauen erschüttert wird, und Verrat verzeihen Sie selten, wenn überhaupt. Wer ehrlich, mutig und ohne Angst vor emotionaler Tiefe ist, teilt mit Ihnen eine Verbindung wie keine andere.</translation>
    </message>
    <message>
        <source>If you have Eros in Sagittarius, you are keen to explore the world and your own heart with equal enthusiasm. Jupiter, the planet of expansion, rules this fire sign, so your love life tends to be generous, optimistic and full of laughter.  You are attracted to people from different backgrounds, bold thinkers and fellow travellers who can talk philosophy over breakfast in a foreign city. Freedom is precious; a partner who tries to fence you in will soon find the gate open and you gone. In bed you are spontaneous, open-minded and cheerful, treating pleasure as one more adventure. Honesty comes naturally, though sometimes too bluntly for gentler hearts. Commitment is possible when it feels like a journey rather than a cage. Share your dreams, pack light, and let your lover walk beside you rather than behind you, and the road ahead will be bright. </source>
        <translation>Haben Sie Eros im Schützen, erkunden Sie die Welt und Ihr eigenes Herz mit gleicher Begeisterung. Jupiter, der Planet der Ausdehnung, regiert dieses Feuerzeichen, und so ist Ihr Liebesleben meist großzügig, optimistisch und voller Lachen. Sie fühlen sich zu Menschen anderer Herkunft hingezogen, zu kühnen Denkern und Mitreisenden, mit denen Sie beim Frühstück in einer fremden Stadt philosophieren können. Freiheit ist Ihnen kostbar; wer Sie einzäunen will, findet bald das Tor offen und Sie fort. Im Bett sind Sie spontan, aufgeschlossen und fröhlich, und Lust ist für Sie ein weiteres Abenteuer. Ehrlichkeit fällt Ihnen leicht, wenn auch manchmal zu unverblümt für zartere Herzen. Bindung ist möglich, wenn sie sich wie eine Reise anfühlt und nicht wie ein Käfig. Teilen Sie Ihre Träume, reisen Sie mit leichtem Gepäck und lassen Sie den geliebten Menschen neben sich gehen statt hinter sich, dann liegt ein heller Weg vor Ihnen.</translation>
    </message>
    <message>
        <source>Judgmental in your attitude towards others, you will never indulge in a romance that you consider unworthy of your time. Saturn rules this earth sign, making you cautious, ambitious and reserved in matters of the heart. You take love seriously and prefer a partner with status, discipline and clear goals. Courtship with you is slow and deliberate, and some may mistake your restraint for coldness. Yet behind that composed exterior lies a strong physical nature and a surprisingly dry, wicked sense of humour. Once committed, you are faithful, protective and dependable, building a relationship as carefully as a career. Allow yourself to relax and play, because even the most solid mountain needs spring.</source>
        <translation>Im Urteil über andere streng, lassen Sie sich nie auf eine Romanze ein, die Sie Ihrer Zeit nicht für würdig halten. Saturn regiert dieses Erdzeichen und macht Sie in Herzensdingen vorsichtig, ehrgeizig und zurückhaltend. Sie nehmen die Liebe ernst und bevorzugen jemanden mit Ansehen, Disziplin und klaren Zielen. Um Sie zu werben ist ein langsames, bedachtes Unterfangen, und manche halten Ihre Zurückhaltung für Kälte. Doch hinter dieser gefassten Fassade verbergen sich eine starke körperliche Natur und ein überraschend trockener, frecher Humor. Haben Sie sich einmal gebunden, sind Sie treu, beschützend und verlässlich und bauen eine Beziehung so sorgfältig auf wie eine Karriere. Erlauben Sie sich, loszulassen und zu spielen, denn selbst der festeste Berg braucht einen Frühling.</translation>
    </message>
    <message>
        <source>Following the same well-trodden path is not your way of loving. With Eros in this air sign ruled by Uranus, you are drawn to the unusual, the eccentric and the gifted. Friendship is the foundation of every romance for you, and a partner must first win your mind before winning your body. You value independence highly and can seem detached, even when your feelings run strong. Unconventional arrangements do not frighten you, and you enjoy experimenting with new ideas in love as in life. Possessive or clingy lovers make you feel trapped. Someone who respects your space, shares your ideals and surprises you now and then will find you loyal in your own original way. </source>
        <translation>Ausgetretene Pfade sind nicht Ihre Art zu lieben. Mit Eros in diesem Luftzeichen, das Uranus regiert, zieht es Sie zum Ungewöhnlichen, Exzentrischen und Begabten. Freundschaft ist für Sie das Fundament jeder Romanze, und wer Ihren Körper gewinnen will, muss zuerst Ihren Geist erobern. Sie schätzen Unabhängigkeit sehr und können distanziert wirken, selbst wenn Ihre Gefühle stark sind. Unkonventionelle Arrangements schrecken Sie nicht, und Sie experimentieren in der Liebe wie im Leben gern mit neuen Ideen. Wer besitzergreifend ist oder klammert, gibt Ihnen das Gefühl, gefangen zu sein. Wer Ihren Freiraum respektiert, Ihre Ideale teilt und Sie ab und zu überrascht, wird Sie auf Ihre ganz eigene Weise treu finden.</translation>
    </message>
    <message>
        <source>In this sign, Eros loses his self assertive ego even as he gains a boundless capacity for tenderness. Ruled by Neptune, this water sign makes you dreamy, compassionate and deeply romantic. You long for a soul mate and may idealise a lover, seeing the poet rather than the person. Intimacy for you is a spiritual experience as much as a physical one, full of soft music, candlelight and whispered fantasies. You sense a partner&apos;s needs intuitively and give without ever keeping score. Be wary of rescuing wounded souls, since sacrifice can turn into a sad cliché of the martyr in love. With a kind and grounded companion, your imagination turns love into poetry.</source>
        <translation>In diesem Zeichen verliert Eros sein selbstbewusstes Ego und gewinnt dafür eine grenzenlose Fähigkeit zur Zärtlichkeit. Neptun regiert dieses Wasserzeichen und macht Sie verträumt, mitfühlend und zutiefst romantisch. Sie sehnen sich nach einer verwandten Seele und idealisieren den geliebten Menschen vielleicht, sehen eher den Dichter als den Menschen. Intimität ist für Sie ebenso ein spirituelles wie ein körperliches Erlebnis, voller sanfter Musik, Kerzenlicht und geflüsterter Fantasien. Sie spüren die Bedürfnisse Ihres Gegenübers intuitiv und geben, ohne je aufzurechnen. Hüten Sie sich davor, verwundete Seelen retten zu wollen, denn Aufopferung kann zum traurigen Klischee des Märtyrers der Liebe werden. Mit einem liebevollen, geerdeten Gegenüber verwandelt Ihre Fantasie die Liebe in Poesie.</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>starkindle: option &apos;--sign&apos; needs at least one date
</source>
        <translation>starkindle: Option „--sign“ braucht mindestens ein Datum
</translation>
    </message>
    <message>
        <source>starkindle: option &apos;%1&apos; needs a value
</source>
        <translation>starkindle: Option „%1“ braucht einen Wert
</translation>
    </message>
    <message>
        <source>starkindle: unrecognized option &apos;%1&apos;
</source>
        <translation>starkindle: unbekannte Option „%1“
</translation>
    </message>
    <message>
        <source>starkindle: unexpected argument &apos;%1&apos;
</source>
        <translation>starkindle: unerwartetes Argument „%1“
</translation>
    </message>
    <message>
        <source>starkindle: cannot write the answer: %1
</source>
        <translation>starkindle: die Antwort kann nicht geschrieben werden: %1
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a date from %2-01-01 to %3-12-31 (YYYY-MM-DD, optionally with THH:MM and Z, +HH:MM or -HH:MM)
</source>
        <translation>starkindle: „%1“ ist kein Datum von %2-01-01 bis %3-12-31 (JJJJ-MM-TT, wahlweise mit THH:MM und Z, +HH:MM oder -HH:MM)
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is a local time the clocks skip in this time zone
</source>
        <translation>starkindle: „%1“ ist eine Ortszeit, die die Uhren in dieser Zeitzone überspringen
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a moment from %2-01-01T00:00Z to %3-12-31T23:59Z
</source>
        <translation>starkindle: „%1“ ist kein Zeitpunkt von %2-01-01T00:00Z bis %3-12-31T23:59Z
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; happens twice in this time zone, in two signs: add its UTC offset (+HH:MM or -HH:MM)
</source>
        <translation>starkindle: „%1“ kommt in dieser Zeitzone zweimal vor, in zwei Zeichen: geben Sie den UTC-Versatz an (+HH:MM oder -HH:MM)
</translation>
    </message>
    <message>
        <source>starkindle: cannot read standard input: %1
</source>
        <translation>starkindle: die Standardeingabe kann nicht gelesen werden: %1
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
        <translation>Aufruf: starkindle [OPTION]...
  oder: starkindle --sign [--zone ZONE|--place NAME] DATUM[THH:MM[VERSATZ]]...
Nennt das Tierkreiszeichen, in dem der Asteroid Eros an einem Geburtstag
zwischen %1 und %2 stand, mit der Deutung dieses Zeichens.
Für %3 bis %4 stammt das Zeichen aus der ursprünglichen Tabelle des
Programms, für die übrigen Jahre aus einer Ephemeride, die aus der vom JPL
bestimmten Bahn des Eros berechnet ist, jeweils für 12:00 UT des Tages.

Optionen:
  -h, --help         diese Hilfe anzeigen und beenden
      --version      die Version anzeigen und beenden
      --sign DATUM...
                     für jedes Datum „DATUM ZEICHEN“ ausgeben (JJJJ-MM-TT,
                     %1-01-01 bis %2-12-31; das Zeichen auf Englisch) und
                     beenden, auch ohne grafische Sitzung. Mit einer Uhrzeit
                     (THH:MM, dann Z für UT, ein VERSATZ +HH:MM oder -HH:MM
                     oder nichts für Ortszeit) das Zeichen in diesem Moment;
                     %3 bis %4 antworten weiter nach dem Datum, wie es
                     geschrieben ist. „-“ liest Daten von der Standardeingabe,
                     eines pro Zeile. Ein abgelehntes Datum wird auf der
                     Standardfehlerausgabe genannt, die übrigen werden
                     beantwortet, und der Exit-Status ist 2.
      --zone ZONE    Ortszeiten und Tage in der IANA-Zeitzone ZONE (etwa
                     Europe/Berlin) lesen, mit ihrer Geschichte
      --place NAME   Ortszeiten dort lesen, wo NAME liegt (der
                     einwohnerreichste Ort dieses Namens; „NAME, CC“ für ein
                     Land), und den Ort nach jeder Antwort nennen
      --json         stattdessen ein JSON-Objekt pro Zeile ausgeben: input,
                     utc, sign, longitude (Grad), degree (im Zeichen),
                     retrograde, source (table oder ephemeris), zone und
                     offset; sky_sign, wo das Zeichen des Grades nicht das der
                     Antwort ist, later_sign und change an einem Tag mit zwei
                     Zeichen, place bei --place
      --csv          dasselbe als CSV, nach einer Kopfzeile
  --                 Ende der Optionen: alles Folgende sind Daten

Ortszeit ist die von TZ, sonst die des Systems. Ein TZ, das keine Zeitzone
nennt (etwa TZ=Foo/Bar), wird für Uhrzeiten ohne Versatz abgelehnt, nicht als
UT genommen. Mit --zone oder --place beantwortet ein Datum allein den ganzen
Ortstag: sein Zeichen oder beide Zeichen und die Ortszeit des Wechsels.

Qts eigene Optionen werden ebenfalls angenommen, darunter -platform NAME,
-display DISPLAY, -style STIL und -reverse.
Das Programm braucht eine grafische Sitzung (X11 oder Wayland mit
qt6-wayland).
</translation>
    </message>
    <message>
        <source>Try &apos;starkindle --help&apos; for more information.
</source>
        <translation>„starkindle --help“ liefert weitere Informationen.
</translation>
    </message>
    <message>
        <source>starkindle: TZ=&apos;%1&apos; names no time zone: use --zone AREA/CITY, or give the time&apos;s UTC offset
</source>
        <translation>starkindle: TZ=&apos;%1&apos; nennt keine Zeitzone: Verwenden Sie --zone REGION/STADT oder geben Sie den UTC-Versatz der Uhrzeit an
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is a day this time zone skipped
</source>
        <translation>starkindle: „%1“ ist ein Tag, den diese Zeitzone übersprungen hat
</translation>
    </message>
    <message>
        <source>starkindle: options &apos;--zone&apos;, &apos;--place&apos;, &apos;--json&apos; and &apos;--csv&apos; go with &apos;--sign&apos;
</source>
        <translation>starkindle: die Optionen „--zone“, „--place“, „--json“ und „--csv“ gehören zu „--sign“
</translation>
    </message>
    <message>
        <source>starkindle: give &apos;--zone&apos; or &apos;--place&apos;, not both
</source>
        <translation>starkindle: geben Sie „--zone“ oder „--place“ an, nicht beides
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a time zone (AREA/CITY, such as Europe/London)
</source>
        <translation>starkindle: „%1“ ist keine Zeitzone (REGION/STADT, etwa Europe/Berlin)
</translation>
    </message>
    <message>
        <source>starkindle: no place called &apos;%1&apos; is known
</source>
        <translation>starkindle: ein Ort namens „%1“ ist nicht bekannt
</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Starkindle icon</source>
        <translation>Starkindle-Symbol</translation>
    </message>
    <message>
        <source>Starkindle describes the placement of the asteroid Eros in your birth chart. This asteroid is also known as the Cupid. This sign helps you understand yourself and know more about your sexual urges and passionate feelings. It gives you an insight to your creative feelings. All rights to this software are reserved by Corvane Softwares.</source>
        <translation>Starkindle beschreibt die Stellung des Asteroiden Eros, auch Cupido genannt, in Ihrem Geburtshoroskop. Sein Zeichen hilft Ihnen, sich selbst zu verstehen, und verrät mehr über Ihr sexuelles Verlangen, Ihre Leidenschaft und Ihre schöpferische Seite. Alle Rechte an dieser Software liegen bei Corvane Softwares.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Besuchen Sie %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Diese Software gibt es ganz unter Ihrer Marke für Ihre Website.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Hier klicken für Details</translation>
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
        <translation>Sexuelles Sternzeichen</translation>
    </message>
    <message>
        <source>Eros is the god of sexual love and desire.</source>
        <translation>Eros ist der Gott der Liebe und der Lust.</translation>
    </message>
    <message>
        <source>Eros in your Chart is Placed in</source>
        <translation>Eros steht in Ihrem Horoskop im Zeichen</translation>
    </message>
    <message>
        <source>Your sexual astrology sign</source>
        <translation>Ihr sexuelles Sternzeichen</translation>
    </message>
    <message>
        <source>The reading for your sign</source>
        <translation>Die Deutung Ihres Zeichens</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>Eros in your Chart is Placed in %1. %2</source>
        <translation>Eros steht in Ihrem Horoskop im Zeichen %1. %2</translation>
    </message>
    <message>
        <source>About This Answer</source>
        <translation>Zu dieser Antwort</translation>
    </message>
    <message>
        <source>Notes on your sign</source>
        <translation>Hinweise zu Ihrem Zeichen</translation>
    </message>
    <message>
        <source>Swaps the sign and reading above for those of the other part of the day</source>
        <translation>Ersetzt Zeichen und Deutung oben durch die des anderen Teils des Tages</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Show the reading for %1</source>
        <translation>Deutung für %1 &amp;anzeigen</translation>
    </message>
    <message>
        <source>Save &amp;Picture...</source>
        <translation>B&amp;ild speichern...</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved in %1.</source>
        <translation>Das Bild konnte nicht in %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Starkindle describes the placement of the asteroid Eros in your birth chart. This helps you know more about the sexual, passion, love and erotic side of your nature</source>
        <translation>Starkindle beschreibt die Stellung des Asteroiden Eros in Ihrem Geburtshoroskop. So erfahren Sie mehr über die sexuelle, leidenschaftliche, liebevolle und erotische Seite Ihres Wesens</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Geboren am</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Find My &amp;Sexual Astrology Sign</source>
        <translation>Mein sexuelles Sternzeichen &amp;finden</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Bitte nur Buchstaben eingeben</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Bitte geben Sie einen gültigen Tag oder Monat ein!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Bitte geben Sie einen gültigen Tag oder Monat ein!</translation>
    </message>
    <message>
        <source>&amp;Time of Birth</source>
        <translation>Geburts&amp;zeit</translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation>Geburtszeit</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>the time of birth, when none is given</comment>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>the place of birth, when none is given</comment>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Hours and minutes, such as 14:30; leave it empty if unknown</source>
        <translation>Stunden und Minuten, etwa 14:30; leer lassen, wenn unbekannt</translation>
    </message>
    <message>
        <source>(optional)</source>
        <translation>(freiwillige Angabe)</translation>
    </message>
    <message>
        <source>&amp;Place of Birth</source>
        <translation>&amp;Geburtsort</translation>
    </message>
    <message>
        <source>Place of birth</source>
        <translation>Geburtsort</translation>
    </message>
    <message>
        <source>A town or city, such as London; leave it empty if unknown</source>
        <translation>Eine Stadt oder Gemeinde, etwa Berlin; leer lassen, wenn unbekannt</translation>
    </message>
    <message>
        <source>Please enter the time of birth as hours and minutes, such as 14:30, or leave it empty.</source>
        <translation>Bitte geben Sie die Geburtszeit in Stunden und Minuten ein, etwa 14:30, oder lassen Sie das Feld leer.</translation>
    </message>
    <message>
        <source>No place called &quot;%1&quot; is known. Please type a town or city, such as London, or leave it empty.</source>
        <translation>Ein Ort namens „%1“ ist nicht bekannt. Bitte geben Sie eine Stadt oder Gemeinde ein, etwa Berlin, oder lassen Sie das Feld leer.</translation>
    </message>
    <message>
        <source>The clocks there skipped %1 on that day, so no one was born at that time. Please check the time of birth.</source>
        <translation>Die Uhren dort haben an diesem Tag %1 übersprungen, zu dieser Zeit wurde also niemand geboren. Bitte prüfen Sie die Geburtszeit.</translation>
    </message>
    <message>
        <source>That day was skipped there: the calendar went from the day before to the day after. Please check the date and place.</source>
        <translation>Dieser Tag wurde dort übersprungen: Der Kalender sprang vom Vortag direkt auf den folgenden Tag. Bitte prüfen Sie Datum und Ort.</translation>
    </message>
    <message>
        <source>That moment falls outside %1 to %2 in UT, the years the program answers for.</source>
        <translation>Dieser Zeitpunkt liegt in UT außerhalb der Jahre %1 bis %2, für die das Programm antwortet.</translation>
    </message>
</context>
<context>
    <name>frmNagScreen2</name>
    <message>
        <source>Starkindle icon</source>
        <translation>Starkindle-Symbol</translation>
    </message>
    <message>
        <source>Download Corvane Softwares</source>
        <translation>Programme von Corvane Softwares herunterladen</translation>
    </message>
    <message>
        <source>Starkindle is one of a whole family of small programs from Corvane Softwares: astrology and numerology readings, personal organisers, learning aids and handy everyday tools. Most of them are free to download and try, and every one is made with the same care as this one. Spend a few minutes browsing the collection; you may find just the tool you have been looking for, or a pleasant surprise to share with a friend.</source>
        <translation>Starkindle gehört zu einer ganzen Familie kleiner Programme von Corvane Softwares: Astrologie- und Numerologie-Deutungen, Organizer, Lernhilfen und praktische Werkzeuge für jeden Tag. Die meisten können Sie kostenlos herunterladen und ausprobieren, und jedes ist mit derselben Sorgfalt gemacht wie dieses. Stöbern Sie ein paar Minuten in der Sammlung; vielleicht finden Sie genau das gesuchte Werkzeug oder eine schöne Überraschung für einen Freund.</translation>
    </message>
    <message>
        <source>Click Here To Visit Corvane Softwares</source>
        <translation>Hier klicken, um Corvane Softwares zu besuchen</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Name Ihres Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>E-Mail-Adresse Ihres Freundes</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Jetzt empfehlen</translation>
    </message>
    <message>
        <source>Visit %1 now</source>
        <translation>%1 jetzt besuchen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Corvane Softwares can only make and maintain programs like this one with your support, and the best support you can give is to visit the Corvane discussion forum regularly and take part in it.</source>
        <translation>Corvane Softwares kann Programme wie dieses nur mit Ihrer Unterstützung entwickeln und pflegen. Am meisten helfen Sie uns, wenn Sie das Corvane-Diskussionsforum regelmäßig besuchen und sich daran beteiligen.</translation>
    </message>
    <message>
        <source>Please visit the Corvane discussion forum regularly and join in its discussions. Without you we cannot keep our programs maintained.</source>
        <translation>Bitte besuchen Sie regelmäßig das Corvane-Diskussionsforum und diskutieren Sie mit. Ohne Sie können wir unsere Programme nicht weiter pflegen.</translation>
    </message>
    <message>
        <source>The Corvane discussion forum is a free online discussion forum. Please visit it regularly and help us maintain this program.</source>
        <translation>Das Corvane-Diskussionsforum ist ein kostenloses Online-Forum. Bitte besuchen Sie es regelmäßig und helfen Sie uns, dieses Programm zu pflegen.</translation>
    </message>
    <message>
        <source>The Corvane discussion forum needs your help. Please visit it regularly, so that we can develop more programs for you.</source>
        <translation>Das Corvane-Diskussionsforum braucht Ihre Hilfe. Bitte besuchen Sie es regelmäßig, damit wir weitere Programme für Sie entwickeln können.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte geben Sie zwei verschiedene E-Mail-Adressen ein</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Eine E-Mail-Adresse darf keine Leerzeichen enthalten</translation>
    </message>
</context>
<context>
    <name>look</name>
    <message>
        <source>Opens a web page in your browser</source>
        <translation>Öffnet eine Webseite in Ihrem Browser</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Möglicherweise gibt es ein Update für diese Software</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Möchten Sie nach einem Update suchen?</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Your referral is too long to be sent. Please shorten your message.</source>
        <translation>Ihre Empfehlung ist zu lang, um gesendet zu werden. Bitte kürzen Sie Ihre Nachricht.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name Ihres Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse Ihres Freundes</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte geben Sie Ihre Nachricht ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte geben Sie den Namen Ihres Freundes ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte geben Sie die E-Mail-Adresse Ihres Freundes ein</translation>
    </message>
</context>
<context>
    <name>nodisplay</name>
    <message>
        <source>starkindle: no display could be opened: no X display, and the Wayland platform plugin is not installed (qt6-wayland)
</source>
        <translation>starkindle: es konnte keine Anzeige geöffnet werden: kein X-Display, und das Wayland-Plattform-Plugin ist nicht installiert (qt6-wayland)
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened: DISPLAY is %1, and the Wayland platform plugin is not installed (qt6-wayland)
</source>
        <translation>starkindle: es konnte keine Anzeige geöffnet werden: DISPLAY ist %1, und das Wayland-Plattform-Plugin ist nicht installiert (qt6-wayland)
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened (DISPLAY is not set); start it from a graphical session
</source>
        <translation>starkindle: es konnte keine Anzeige geöffnet werden (DISPLAY ist nicht gesetzt); starten Sie das Programm in einer grafischen Sitzung
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened (DISPLAY is %1); start it from a graphical session
</source>
        <translation>starkindle: es konnte keine Anzeige geöffnet werden (DISPLAY ist %1); starten Sie das Programm in einer grafischen Sitzung
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened: the X server of DISPLAY %1 dropped the connection %2 times in a row
</source>
        <translation>starkindle: es konnte keine Anzeige geöffnet werden: der X-Server von DISPLAY %1 hat die Verbindung %2-mal in Folge getrennt
</translation>
    </message>
</context>
<context>
    <name>promotion</name>
    <message>
        <source>Talk it over in the Corvane forum at %1</source>
        <translation>Diskutieren Sie mit im Corvane-Forum auf %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie ein Internetgeschäft und verdienen Sie online Geld. Bieten Sie diese Software unter Ihrer Marke an. Hier klicken für Details.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Your name and links go on every copy your visitors take home; see the Help for details. Click Here for more info on co-branding.</source>
        <translation>Versehen Sie diese Software mit Ihrer Marke: Ihr Name und Ihre Links stehen auf jeder Kopie, die Ihre Besucher mitnehmen (siehe Hilfe). Hier klicken für mehr zum Co-Branding.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Uns online &amp;besuchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Über diese Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Online Geld verdienen</translation>
    </message>
</context>
<context>
    <name>startup</name>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits</translation>
    </message>
    <message>
        <source>Starkindle cannot start: it found no private folder for the lock that keeps a second copy from running. The system has no home folder on record for your user, and HOME is not a folder that only you can write to. Set HOME to such a folder and start Starkindle again.</source>
        <translation>Starkindle kann nicht starten: Es fand keinen privaten Ordner für die Sperre, die einen zweiten Start verhindert. Das System kennt keinen Home-Ordner für Ihren Benutzer, und HOME ist kein Ordner, in den nur Sie schreiben können. Setzen Sie HOME auf einen solchen Ordner und starten Sie Starkindle erneut.</translation>
    </message>
</context>
</TS>
