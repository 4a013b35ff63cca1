<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Calendar</name>
    <message>
        <source>January</source>
        <translation>Gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Aprile</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maggio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Giugno</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Luglio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Settembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dicembre</translation>
    </message>
</context>
<context>
    <name>CalendarDate</name>
    <message>
        <source>January</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>aprile</translation>
    </message>
    <message>
        <source>May</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>maggio</translation>
    </message>
    <message>
        <source>June</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>giugno</translation>
    </message>
    <message>
        <source>July</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>luglio</translation>
    </message>
    <message>
        <source>August</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>settembre</translation>
    </message>
    <message>
        <source>October</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>dicembre</translation>
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
        <translation>%1º %2 %3</translation>
    </message>
    <message>
        <source>The sign comes from the original table, which covers %1 to %2.</source>
        <translation>Il segno viene dalla tabella originale, che copre gli anni dal %1 al %2.</translation>
    </message>
    <message>
        <source>On this day the table has Eros moving from %1 into %2; it gives no hour.</source>
        <translation>Secondo la tabella, in questo giorno Eros passa dal segno %1 al segno %2; l’ora non è indicata.</translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for %1 UT on this day.</source>
        <translation>Il segno è calcolato dall’orbita di Eros fornita dal JPL, per le %1 UT di questo giorno.</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2.</source>
        <translation>Risposta per %1, data di nascita: %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>days and hours</comment>
        <translation>%1 e %2</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n giorno</numerusform>
            <numerusform>%n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n ora</numerusform>
            <numerusform>%n ore</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>hours and minutes</comment>
        <translation>%1 e %2</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>meno di un minuto</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>two signs, when the birth time decides</comment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1 UT on %2</source>
        <comment>a moment in UT: time, date</comment>
        <translation>%1 UT del %2</translation>
    </message>
    <message>
        <source>%1, which was %2 on %3 local time (%4)</source>
        <comment>a UT moment, then the local time, date and clock</comment>
        <translation>%1, cioè le %2 del %3 ora locale (%4)</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2 at %3.</source>
        <translation>Risposta per %1, data di nascita: %2, ore %3.</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2 at %3 in %4.</source>
        <translation>Risposta per %1, data di nascita: %2, ore %3, a %4.</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2 in %3.</source>
        <translation>Risposta per %1, data di nascita: %2, a %3.</translation>
    </message>
    <message>
        <source>No birthplace was given: this computer&apos;s time zone stands in for it.</source>
        <translation>Non è stato indicato il luogo di nascita: al suo posto vale il fuso orario di questo computer.</translation>
    </message>
    <message>
        <source>The clocks there showed that time twice: at %1 and at %2.</source>
        <translation>Lì gli orologi hanno segnato quell’ora due volte: alle %1 e alle %2.</translation>
    </message>
    <message>
        <source>You were born at %1 (%2).</source>
        <translation>Ora della tua nascita: %1 (%2).</translation>
    </message>
    <message>
        <source>You were born at %1.</source>
        <translation>Ora della tua nascita: %1.</translation>
    </message>
    <message>
        <source>You were born at %1 on %2 local time (%3), which was %4.</source>
        <translation>Ora della tua nascita: %1 del %2, ora locale (%3), cioè %4.</translation>
    </message>
    <message>
        <source>Eros had entered %1 %2 before your birth and moved on into %3 %4 after it.</source>
        <translation>Eros era entrato in %1 %2 prima della tua nascita ed è passato in %3 %4 dopo.</translation>
    </message>
    <message>
        <source>Eros moved from %1 into %2 at %3.</source>
        <translation>Eros è passato dal segno %1 al segno %2 alle %3.</translation>
    </message>
    <message>
        <source>If you were born before %1, Eros was in %2; if later, in %3.</source>
        <translation>Per una nascita prima delle %1 Eros era in %2; per una nascita successiva, in %3.</translation>
    </message>
    <message>
        <source>%1 UT</source>
        <translation>%1 UT</translation>
    </message>
    <message>
        <source>%1 local time</source>
        <translation>%1 ora locale</translation>
    </message>
    <message>
        <source>Give your time of birth for one sign.</source>
        <translation>Indica l’ora di nascita per avere un solo segno.</translation>
    </message>
    <message>
        <source>Eros was then within %1″ of the boundary between %2 and %3, closer than the model&apos;s error: the sign could be either.</source>
        <translation>Eros era allora a meno di %1″ dal confine tra %2 e %3, più vicino dell’errore del modello: il segno potrebbe essere l’uno o l’altro.</translation>
    </message>
    <message>
        <source>retrograde ℞</source>
        <comment>Eros moving backwards through the signs</comment>
        <translation>retrogrado ℞</translation>
    </message>
    <message>
        <source>In the computed sky Eros stood at %1.</source>
        <translation>Nel cielo calcolato Eros si trovava a %1.</translation>
    </message>
    <message>
        <source>Eros stood at %1.</source>
        <translation>Eros si trovava a %1.</translation>
    </message>
    <message>
        <source>In the computed sky Eros stood at %1, %2.</source>
        <translation>Nel cielo calcolato Eros si trovava a %1, %2.</translation>
    </message>
    <message>
        <source>Eros stood at %1, %2.</source>
        <translation>Eros si trovava a %1, %2.</translation>
    </message>
    <message>
        <source>Over the day in UT Eros moved from %1 to %2.</source>
        <translation>Nel corso del giorno in UT Eros è passato da %1 a %2.</translation>
    </message>
    <message>
        <source>Over the local day Eros moved from %1 to %2.</source>
        <translation>Nel corso del giorno locale Eros è passato da %1 a %2.</translation>
    </message>
    <message>
        <source>In the computed sky, over the day in UT, Eros moved from %1 to %2.</source>
        <translation>Nel cielo calcolato, nel corso del giorno in UT, Eros è passato da %1 a %2.</translation>
    </message>
    <message>
        <source>In the computed sky, over the local day, Eros moved from %1 to %2.</source>
        <translation>Nel cielo calcolato, nel corso del giorno locale, Eros è passato da %1 a %2.</translation>
    </message>
    <message>
        <source>Eros was %1 all day.</source>
        <translation>Eros è stato %1 per tutto il giorno.</translation>
    </message>
    <message>
        <source>Eros stood still at %1 and then turned %2.</source>
        <translation>Eros si è fermato alle %1 ed è poi diventato %2.</translation>
    </message>
    <message>
        <source>Eros stood still at %1 and then turned direct.</source>
        <translation>Eros si è fermato alle %1 ed è poi tornato diretto.</translation>
    </message>
    <message>
        <source>That is in %1, not in the table&apos;s %2, which the program keeps.</source>
        <translation>Questo punto è in %1, non in %2 come nella tabella, la cui risposta il programma mantiene.</translation>
    </message>
    <message>
        <source>Eros at %1, %2</source>
        <translation>Eros a %1, %2</translation>
    </message>
    <message>
        <source>retrograde</source>
        <translation>retrogrado</translation>
    </message>
    <message>
        <source>Eros at %1</source>
        <translation>Eros a %1</translation>
    </message>
    <message>
        <source>A zodiac wheel with Eros at %1 and the Sun at %2.</source>
        <translation>Una ruota dello zodiaco con Eros a %1 e il Sole a %2.</translation>
    </message>
    <message>
        <source>A zodiac wheel with Eros at %1.</source>
        <translation>Una ruota dello zodiaco con Eros a %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>a span of years</comment>
        <translation>gli anni %1–%2</translation>
    </message>
    <message>
        <source>The computed sky has that change at %1.</source>
        <translation>Il cielo calcolato pone quel cambio alle %1.</translation>
    </message>
    <message>
        <source>The reading shown is for %1, the sign before the change: by the computed sky, for births before %2 UT on %3.</source>
        <translation>L’interpretazione mostrata è per %1, il segno prima del cambio: secondo il cielo calcolato, per le nascite prima delle %2 UT del %3.</translation>
    </message>
    <message>
        <source>at the moment of your birth</source>
        <translation>nel momento della tua nascita</translation>
    </message>
    <message>
        <source>at %1 UT on this day</source>
        <translation>alle %1 UT di questo giorno</translation>
    </message>
    <message>
        <source>The computed sky puts Eros in %1 %2; for %3 the program keeps the original table&apos;s answer, %4.</source>
        <translation>Il cielo calcolato pone Eros in %1 %2; per %3 il programma mantiene la risposta della tabella originale, %4.</translation>
    </message>
    <message>
        <source>The reading shown is for %1, where the computed sky puts Eros; the program answers with the table&apos;s %2.</source>
        <translation>L’interpretazione mostrata è per %1, dove il cielo calcolato pone Eros; il programma risponde con il segno della tabella, %2.</translation>
    </message>
    <message>
        <source>The computed sky has Eros moving from %1 into %2 at %3.</source>
        <translation>Nel cielo calcolato Eros passa da %1 a %2 alle %3.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births before %2.</source>
        <translation>L’interpretazione mostrata è per %1: per le nascite prima delle %2.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births at or after %2.</source>
        <translation>L’interpretazione mostrata è per %1: per le nascite dalle %2 in poi.</translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for the moment of your birth.</source>
        <translation>Il segno è calcolato dall’orbita di Eros fornita dal JPL, per il momento della tua nascita.</translation>
    </message>
    <message>
        <source>At the first Eros was in %1, at the second in %2.</source>
        <translation>Alla prima Eros era in %1, alla seconda in %2.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for a birth at the first of the two.</source>
        <translation>L’interpretazione mostrata è per %1: per una nascita alla prima delle due.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for a birth at the second of the two.</source>
        <translation>L’interpretazione mostrata è per %1: per una nascita alla seconda delle due.</translation>
    </message>
    <message>
        <source>The reading shown is for %1, the sign Eros was in or entered within the model&apos;s error of your birth.</source>
        <translation>L’interpretazione mostrata è per %1, il segno in cui Eros si trovava o è entrato entro l’errore del modello dalla tua nascita.</translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for the whole day at the birthplace.</source>
        <translation>Il segno è calcolato dall’orbita di Eros fornita dal JPL, per l’intera giornata nel luogo di nascita.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births before %2 local time.</source>
        <translation>L’interpretazione mostrata è per %1: per le nascite prima delle %2 ora locale.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births at or after %2 local time.</source>
        <translation>L’interpretazione mostrata è per %1: per le nascite dalle %2 ora locale in poi.</translation>
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
        <translation>Non è stato possibile avviare un browser per aprire questa pagina. Installa xdg-utils e un browser, oppure copia l’indirizzo qui sotto in un browser.</translation>
    </message>
    <message>
        <source>No web browser could be started to open this page. Copy the address below into a browser yourself.</source>
        <translation>Non è stato possibile avviare un browser per aprire questa pagina. Copia tu stesso l’indirizzo qui sotto in un browser.</translation>
    </message>
    <message>
        <source>Address of the page</source>
        <translation>Indirizzo della pagina</translation>
    </message>
</context>
<context>
    <name>Sign</name>
    <message>
        <source>Aries</source>
        <translation>Ariete</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Toro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gemelli</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancro</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leone</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vergine</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Bilancia</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpione</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorno</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acquario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Pesci</translation>
    </message>
</context>
<context>
    <name>SignReadings</name>
    <message>
        <source>The placement or Eros in this cardinal fire sign is a spark thrown into dry grass. Mars, ruler of Aries, lends your desire speed and daring, so you fall for someone in a heartbeat and see no reason to wait for permission. You love the chase as much as the prize, and a partner who plays a little hard to get keeps your pulse racing. In bed you are direct, playful and generous with your energy, preferring honest hunger to coy games. Boredom is your real rival; routine cools you faster than any quarrel. Learn to linger, because tenderness shown slowly can be as thrilling as a sudden kiss. The lover who can match your courage and still slow you down now and then will hold your heart for a very long time.</source>
        <translation>Eros in questo segno cardinale di fuoco è una scintilla gettata sull’erba secca. Marte, governatore dell’Ariete, dà al tuo desiderio velocità e audacia: ti innamori in un attimo e non vedi perché aspettare un permesso. Ami la caccia quanto la preda, e chi si fa un po’ desiderare ti fa battere il cuore. A letto vai dritto al punto, giochi e doni la tua energia con generosità, e preferisci una fame sincera ai giochi di finta ritrosia. Il tuo vero rivale è la noia: la routine ti raffredda più di qualsiasi lite. Impara a indugiare, perché la tenerezza mostrata con calma può emozionare quanto un bacio improvviso. Chi saprà eguagliare il tuo coraggio e, ogni tanto, rallentarti, terrà il tuo cuore per moltissimo tempo.</translation>
    </message>
    <message>
        <source>Dominated by the goddess of love, Venus, Taurus is steeped in sensual pleasure, and Eros here turns desire into something you can touch, taste and savour. You never hurry. Seduction for you is a long, slow dinner by candlelight, silk sheets, a favourite song and the warmth of skin against skin. Once you have chosen a partner you are loyal, affectionate and deeply devoted, and you expect the same steadiness in return. Your earthy nature makes you a patient, attentive lover who remembers precisely what pleases. Possessiveness can creep in when you feel insecure, so let trust do the work that jealousy never could. Given time and comfort, your passion grows richer every year.</source>
        <translation>Governato da Venere, dea dell’amore, il Toro è impregnato di piacere dei sensi, e qui Eros trasforma il desiderio in qualcosa da toccare, gustare e assaporare. Non hai mai fretta. Per te la seduzione è una lunga cena a lume di candela, lenzuola di seta, una canzone del cuore e il calore della pelle sulla pelle. Una volta scelto il partner, gli dai lealtà, affetto e una dedizione profonda, e ti aspetti in cambio la stessa costanza. La tua natura terrena fa di te una persona paziente e attenta, che ricorda con precisione ciò che piace. Nei momenti di insicurezza può affiorare la possessività: lascia che la fiducia faccia ciò che la gelosia non potrà mai fare. Con tempo e serenità, la tua passione si arricchisce di anno in anno.</translation>
    </message>
    <message>
        <source>When Eros is coupled with Gemini, the sign of communication, desire begins in the mind. Ruled by quick-witted Mercury, you are seduced by clever words, teasing messages and long late-night conversations that wander everywhere. A partner who cannot keep up with your banter will not hold your interest, however attractive. You like variety and flirt almost without noticing, which can make others wonder how serious you are. Love for you must stay light on its feet, curious and full of surprises; the cliché of roses every Friday leaves you cold. When you find someone who is both playmate and best friend, your restless airy heart settles happily at last.  </source>
        <translation>Quando Eros si unisce ai Gemelli, il segno della comunicazione, il desiderio nasce nella mente. Con Mercurio, pianeta dell’ingegno, a governare il segno, ti lasci sedurre da parole brillanti, messaggi scherzosi e lunghe conversazioni notturne che vagano ovunque. Chi non sa tenere il passo delle tue battute non trattiene a lungo il tuo interesse, per quanto attraente sia. Ami la varietà e flirti quasi senza accorgertene, e gli altri si chiedono quanto fai sul serio. L’amore, per te, deve restare leggero, curioso e pieno di sorprese; il cliché delle rose ogni venerdì ti lascia indifferente. Quando trovi chi sa essere insieme complice nel gioco e confidente, il tuo cuore d’aria, sempre inquieto, trova finalmente pace.</translation>
    </message>
    <message>
        <source>A person with Eros in Cancer is eager to share a home as well as a bed. Ruled by the Moon, this water sign makes your desire tidal, rising and falling with your moods and with how safe you feel.  You need emotional closeness before physical intimacy can truly flower, and you give yourself fully once you trust. Caring for a partner is one of your deepest pleasures: cooking for them, remembering their childhood stories, holding them close when the world outside turns harsh. Under your protective shell lies a sensitive and romantic soul who can be deeply hurt by a careless word. You may retreat when wounded, so a lover must learn patience. Treated tenderly, you return a devotion that lasts a lifetime. </source>
        <translation>Chi ha Eros nel Cancro desidera condividere una casa oltre che un letto. Governato dalla Luna, questo segno d’acqua rende il tuo desiderio simile alla marea: sale e scende con gli stati d’animo e con quanto ti senti al sicuro. Ti serve vicinanza emotiva prima che l’intimità fisica possa davvero sbocciare, e quando ti fidi ti doni completamente. Prenderti cura del partner è uno dei tuoi piaceri più profondi: cucinare per chi ami, ricordare i racconti della sua infanzia, stringerlo a te quando il mondo fuori si fa duro. Sotto il guscio protettivo c’è un’anima sensibile e romantica, che una parola distratta può ferire profondamente. Quando soffri tendi a ritirarti, perciò chi ti ama deve imparare la pazienza. Con tenerezza, ricambi con una devozione che dura tutta la vita.</translation>
    </message>
    <message>
        <source>When Eros, the God of love occupies this fiery sign, romance becomes a grand performance and you are its radiant star. Ruled by the Sun, you love with warmth, generosity and a flair for drama. You want to be adored, admired and told so often, and in return you shower your partner with attention, gifts and loyal affection. Passion for you is bold and playful; you enjoy dressing up, setting the scene and making each night feel like an occasion. Pride is your weak spot, since a bruised ego can turn your fire into sulking. Choose a lover who applauds you sincerely and is confident enough to shine beside you. Together you can make a love story worth retelling.</source>
        <translation>Quando Eros, il dio dell’amore, occupa questo segno di fuoco, il romanticismo diventa un grande spettacolo e tu ne sei la stella radiosa. Il Sole governa questo segno, e tu ami con calore, generosità e un gusto per il dramma. Vuoi adorazione e ammirazione, e sentirtelo dire spesso, e in cambio ricopri il partner di attenzioni, regali e affetto fedele. La tua passione è audace e giocosa: ti piace metterti in ghingheri, preparare la scena e fare di ogni notte un’occasione. L’orgoglio è il tuo punto debole, perché un ego ferito può trasformare il tuo fuoco in broncio. Scegli chi ti applaude sinceramente e ha abbastanza fiducia in sé da brillare accanto a te. Insieme potrete scrivere una storia d’amore che valga la pena raccontare.</translation>
    </message>
    <message>
        <source>Whimsical and moody at times, you are a fine combination of cool reason and hidden sensuality. Mercury rules this earth sign, so you study a potential partner carefully before you let anyone close, noticing each small gesture and each broken promise. Your standards are high and you can be critical, yet that same attention to detail makes you a thoughtful and devoted lover. You show affection through practical care, fixing what is broken, planning the perfect weekend, quietly remembering what your partner likes. Beneath a modest, reserved exterior lies a surprisingly earthy appetite that only a trusted lover ever sees. Let go of the need for perfection and allow yourself to be adored as you are, flaws and all, and passion will follow naturally</source>
        <translation>Tra capricci e sbalzi d’umore, unisci con finezza ragione fredda e sensualità nascosta. Mercurio governa questo segno di terra, perciò studi con cura un possibile partner prima di lasciare avvicinare qualcuno, notando ogni piccolo gesto e ogni promessa mancata. Hai standard alti e uno spirito critico, ma la stessa attenzione ai dettagli fa di te una persona premurosa e devota. Mostri affetto con cure concrete: ripari ciò che è rotto, organizzi il fine settimana perfetto, ricordi in silenzio ciò che piace al partner. Sotto un’apparenza modesta e riservata si cela un appetito sorprendentemente carnale, che solo chi ha la tua fiducia vede. Lascia andare il bisogno di perfezione e fatti amare come sei, difetti compresi: la passione seguirà da sé.</translation>
    </message>
    <message>
        <source>Taking part in many activities with your partner is essential to you, because for Libra love is a shared adventure rather than a private refuge. Venus rules this airy sign, giving you charm, grace and a keen eye for beauty. You are drawn to elegant, refined people and you court them with compliments, good taste and gentle persuasion. Harmony matters to you enormously; arguments upset your balance, and you may keep quiet rather than risk a scene. In intimacy you are considerate and romantic, always attentive to what pleases the other person. The risk is losing yourself in trying to be the perfect companion. Speak up for your own desires, and you will find a partnership of true equals. </source>
        <translation>Condividere molte attività con il partner per te è essenziale, perché per la Bilancia l’amore è un’avventura comune più che un rifugio privato. Venere governa questo segno d’aria e ti dona fascino, grazia e un occhio attento alla bellezza. Ti attraggono le persone eleganti e raffinate, e le corteggi con complimenti, buon gusto e gentile persuasione. L’armonia conta moltissimo per te: le liti ti tolgono l’equilibrio, e forse preferisci tacere piuttosto che rischiare una scenata. Nell’intimità porti delicatezza e romanticismo, con un’attenzione costante a ciò che piace all’altra persona. Il rischio è perderti nel tentativo di essere il partner perfetto. Fai sentire i tuoi desideri e troverai un rapporto tra pari.</translation>
    </message>
    <message>
        <source>The most intriguing position of 12 zodiacs, Eros is all intensity in Scorpio. Ruled by Pluto and Mars, this water sign gives you a magnetic, nearly hypnotic pull that others feel the very moment you walk into a crowded room. Desire for you is never casual; you want to merge body and soul with a partner and discover every secret they keep. Your passion is deep, loyal and transformative, yet you guard your own vulnerability fiercely. Jealousy and a need to control can surface when trust is shaken, and you rarely if ever forgive betrayal. A lover who is honest, brave and unafraid of emotional depth will share with you a bond unlike any other. </source>
        <translation>È la posizione più affascinante dei dodici segni: nello Scorpione Eros è pura intensità. Governato da Plutone e Marte, questo segno d’acqua ti dà un’attrazione magnetica, quasi ipnotica, che gli altri sentono nel momento stesso in cui entri in una stanza affollata. Per te il desiderio non è mai casuale: vuoi fonderti anima e corpo con il partner e scoprirne ogni segreto. La tua passione è profonda, leale e trasformatrice, eppure difendi con ferocia la tua vulnerabilità. Gelosia e bisogno di controllo possono affiorare quando la fiducia vacilla, e il tradimento lo perdoni di rado, se mai. Chi è onesto, coraggioso e non teme la profondità emotiva condividerà con te un legame diverso da ogni altro.</translation>
    </message>
    <message>
        <source>If you have Eros in Sagittarius, you are keen to explore the world and your own heart with equal enthusiasm. Jupiter, the planet of expansion, rules this fire sign, so your love life tends to be generous, optimistic and full of laughter.  You are attracted to people from different backgrounds, bold thinkers and fellow travellers who can talk philosophy over breakfast in a foreign city. Freedom is precious; a partner who tries to fence you in will soon find the gate open and you gone. In bed you are spontaneous, open-minded and cheerful, treating pleasure as one more adventure. Honesty comes naturally, though sometimes too bluntly for gentler hearts. Commitment is possible when it feels like a journey rather than a cage. Share your dreams, pack light, and let your lover walk beside you rather than behind you, and the road ahead will be bright. </source>
        <translation>Se hai Eros nel Sagittario, esplori il mondo e il tuo cuore con lo stesso entusiasmo. Giove, pianeta dell’espansione, governa questo segno di fuoco, perciò la tua vita amorosa è generosa, ottimista e piena di risate. Ti attraggono le persone di origini diverse, i pensatori audaci e i compagni di viaggio con cui parlare di filosofia a colazione in una città straniera. La libertà è preziosa: chi prova a recintarti troverà presto il cancello aperto e te lontano. A letto porti spontaneità, apertura e allegria, e vivi il piacere come un’altra avventura. La sincerità ti viene naturale, anche se a volte è troppo brusca per i cuori più delicati. Ti impegni quando il legame sembra un viaggio e non una gabbia. Condividi i tuoi sogni, viaggia leggero e lascia che chi ami cammini al tuo fianco, non dietro di te: la strada davanti sarà luminosa.</translation>
    </message>
    <message>
        <source>Judgmental in your attitude towards others, you will never indulge in a romance that you consider unworthy of your time. Saturn rules this earth sign, making you cautious, ambitious and reserved in matters of the heart. You take love seriously and prefer a partner with status, discipline and clear goals. Courtship with you is slow and deliberate, and some may mistake your restraint for coldness. Yet behind that composed exterior lies a strong physical nature and a surprisingly dry, wicked sense of humour. Once committed, you are faithful, protective and dependable, building a relationship as carefully as a career. Allow yourself to relax and play, because even the most solid mountain needs spring.</source>
        <translation>Con gli altri hai un giudizio severo e non ti concedi mai una storia che ritieni indegna del tuo tempo. Saturno governa questo segno di terra e ti dà cautela, ambizione e riserbo nelle questioni di cuore. Prendi l’amore sul serio e preferisci un partner con una posizione, disciplina e obiettivi chiari. Il tuo corteggiamento è lento e ponderato, e qualcuno può scambiare il tuo riserbo per freddezza. Eppure dietro quell’aria composta c’è una forte natura fisica e un umorismo asciutto e sorprendentemente malizioso. Una volta preso un impegno, offri fedeltà, protezione e affidabilità, e costruisci la relazione con la stessa cura di una carriera. Concediti di rilassarti e giocare, perché anche la montagna più solida ha bisogno della primavera.</translation>
    </message>
    <message>
        <source>Following the same well-trodden path is not your way of loving. With Eros in this air sign ruled by Uranus, you are drawn to the unusual, the eccentric and the gifted. Friendship is the foundation of every romance for you, and a partner must first win your mind before winning your body. You value independence highly and can seem detached, even when your feelings run strong. Unconventional arrangements do not frighten you, and you enjoy experimenting with new ideas in love as in life. Possessive or clingy lovers make you feel trapped. Someone who respects your space, shares your ideals and surprises you now and then will find you loyal in your own original way. </source>
        <translation>Seguire la solita strada battuta non è il tuo modo di amare. Con Eros in questo segno d’aria governato da Urano, ti attraggono l’insolito, l’eccentrico e il geniale. Per te l’amicizia è la base di ogni storia d’amore, e il partner deve conquistare prima la tua mente e poi il tuo corpo. Tieni molto all’indipendenza e puoi dare un’impressione di distacco anche quando i sentimenti sono forti. Le relazioni non convenzionali non ti spaventano, e ti piace sperimentare idee nuove in amore come nella vita. Chi ama in modo possessivo o appiccicoso ti fa sentire in trappola. Chi rispetta i tuoi spazi, condivide i tuoi ideali e ogni tanto ti sorprende troverà in te una lealtà tutta tua, originale come te.</translation>
    </message>
    <message>
        <source>In this sign, Eros loses his self assertive ego even as he gains a boundless capacity for tenderness. Ruled by Neptune, this water sign makes you dreamy, compassionate and deeply romantic. You long for a soul mate and may idealise a lover, seeing the poet rather than the person. Intimacy for you is a spiritual experience as much as a physical one, full of soft music, candlelight and whispered fantasies. You sense a partner&apos;s needs intuitively and give without ever keeping score. Be wary of rescuing wounded souls, since sacrifice can turn into a sad cliché of the martyr in love. With a kind and grounded companion, your imagination turns love into poetry.</source>
        <translation>In questo segno Eros perde il suo ego affermativo, ma acquista una capacità di tenerezza senza limiti. Governato da Nettuno, questo segno d’acqua ti dà un animo sognante, compassionevole e profondamente romantico. Desideri un’anima gemella e puoi idealizzare chi ami, vedendo il poeta più che la persona. Per te l’intimità è un’esperienza spirituale quanto fisica, piena di musica dolce, lume di candela e fantasie sussurrate. Intuisci i bisogni del partner e dai senza mai tenere il conto. Evita di voler salvare le anime ferite, perché il sacrificio può diventare il triste cliché del martire per amore. Accanto a una persona gentile e con i piedi per terra, la tua immaginazione trasforma l’amore in poesia.</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>starkindle: cannot write the answer: %1
</source>
        <translation>starkindle: impossibile scrivere la risposta: %1
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a date from %2-01-01 to %3-12-31 (YYYY-MM-DD, optionally with THH:MM and Z, +HH:MM or -HH:MM)
</source>
        <translation>starkindle: «%1» non è una data dal %2-01-01 al %3-12-31 (AAAA-MM-GG, eventualmente con THH:MM e Z, +HH:MM o -HH:MM)
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is a local time the clocks skip in this time zone
</source>
        <translation>starkindle: «%1» è un’ora locale che gli orologi saltano in questo fuso orario
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a moment from %2-01-01T00:00Z to %3-12-31T23:59Z
</source>
        <translation>starkindle: «%1» non è un istante dal %2-01-01T00:00Z al %3-12-31T23:59Z
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; happens twice in this time zone, in two signs: add its UTC offset (+HH:MM or -HH:MM)
</source>
        <translation>starkindle: «%1» ricorre due volte in questo fuso orario, in due segni: aggiungi il suo scarto da UTC (+HH:MM o -HH:MM)
</translation>
    </message>
    <message>
        <source>starkindle: option &apos;--sign&apos; needs at least one date
</source>
        <translation>starkindle: l’opzione «--sign» richiede almeno una data
</translation>
    </message>
    <message>
        <source>starkindle: cannot read standard input: %1
</source>
        <translation>starkindle: impossibile leggere lo standard input: %1
</translation>
    </message>
    <message>
        <source>starkindle: option &apos;%1&apos; needs a value
</source>
        <translation>starkindle: l’opzione «%1» richiede un valore
</translation>
    </message>
    <message>
        <source>starkindle: unrecognized option &apos;%1&apos;
</source>
        <translation>starkindle: opzione non riconosciuta «%1»
</translation>
    </message>
    <message>
        <source>starkindle: unexpected argument &apos;%1&apos;
</source>
        <translation>starkindle: argomento inatteso «%1»
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
        <translation>Uso: starkindle [OPZIONE]...
  o: starkindle --sign [--zone ZONA | --place NOME] DATA[THH:MM[SCARTO]]...
Indica il segno zodiacale in cui si trovava l’asteroide Eros in un giorno di
nascita tra il %1 e il %2, con un’interpretazione di quel segno.
Per gli anni dal %3 al %4 il segno viene dalla tabella originale del
programma; per gli altri anni da un’effemeride calcolata dall’orbita di Eros
fornita dal JPL, alle 12:00 UT della data.

Opzioni:
  -h, --help         mostra questo aiuto ed esce
      --version      mostra la versione ed esce
      --sign DATA...
                     stampa «DATA SEGNO» per ogni data (AAAA-MM-GG, dal
                     %1-01-01 al %2-12-31) ed esce, senza bisogno di uno
                     schermo. Con un’ora (THH:MM, poi Z per UT, uno SCARTO
                     +HH:MM o -HH:MM, o nulla per l’ora locale) dà il segno in
                     quel momento; dal %3 al %4 la risposta segue comunque
                     la data scritta. «-» legge le date dallo standard input,
                     una per riga. Una data rifiutata è indicata sullo standard
                     error, alle altre si risponde, e lo stato d’uscita è 2.
      --zone ZONA    legge ore e giorni locali nel fuso orario IANA ZONA (come
                     Europe/London), con la sua storia
      --place NOME   li legge dove si trova NOME (il luogo più popoloso con
                     quel nome; «NOME, CC» per un solo paese) e lo nomina dopo
                     ogni risposta
      --json         stampa invece un oggetto JSON per riga: input, utc, sign,
                     longitude (gradi), degree (nel segno), retrograde, source
                     (table o ephemeris), zone e offset; sky_sign dove il segno
                     del grado non è quello della risposta, later_sign e change
                     in un giorno con due segni, place con --place
      --csv          lo stesso in CSV, dopo una riga d’intestazione
  --                 termina le opzioni: tutto ciò che segue sono date

L’ora locale è quella di TZ, altrimenti quella del sistema. Un TZ che non
indica un fuso orario (come TZ=Foo/Bar) è rifiutato per le ore senza scarto,
non preso come UT. Con --zone o --place una data da sola risponde per l’intero
giorno locale: il suo segno, oppure entrambi i segni e l’ora locale del cambio.

Sono accettate anche le opzioni di Qt, tra cui -platform NOME,
-display DISPLAY, -style STILE e -reverse.
Il programma richiede una sessione grafica (X11, o Wayland con qt6-wayland).
</translation>
    </message>
    <message>
        <source>Try &apos;starkindle --help&apos; for more information.
</source>
        <translation>Per maggiori informazioni usa «starkindle --help».
</translation>
    </message>
    <message>
        <source>starkindle: TZ=&apos;%1&apos; names no time zone: use --zone AREA/CITY, or give the time&apos;s UTC offset
</source>
        <translation>starkindle: TZ=«%1» non indica un fuso orario: usa --zone AREA/CITTÀ, o indica lo scarto da UTC dell’ora
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is a day this time zone skipped
</source>
        <translation>starkindle: «%1» è un giorno che questo fuso orario ha saltato
</translation>
    </message>
    <message>
        <source>starkindle: options &apos;--zone&apos;, &apos;--place&apos;, &apos;--json&apos; and &apos;--csv&apos; go with &apos;--sign&apos;
</source>
        <translation>starkindle: le opzioni «--zone», «--place», «--json» e «--csv» vanno con «--sign»
</translation>
    </message>
    <message>
        <source>starkindle: give &apos;--zone&apos; or &apos;--place&apos;, not both
</source>
        <translation>starkindle: indica «--zone» o «--place», non entrambe
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a time zone (AREA/CITY, such as Europe/London)
</source>
        <translation>starkindle: «%1» non è un fuso orario (AREA/CITTÀ, come Europe/London)
</translation>
    </message>
    <message>
        <source>starkindle: no place called &apos;%1&apos; is known
</source>
        <translation>starkindle: non si conosce nessun luogo chiamato «%1»
</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Starkindle icon</source>
        <translation>Icona di Starkindle</translation>
    </message>
    <message>
        <source>Starkindle describes the placement of the asteroid Eros in your birth chart. This asteroid is also known as the Cupid. This sign helps you understand yourself and know more about your sexual urges and passionate feelings. It gives you an insight to your creative feelings. All rights to this software are reserved by Corvane Softwares.</source>
        <translation>Starkindle descrive la posizione dell’asteroide Eros, detto anche Cupido, nel tuo tema natale. Il suo segno ti aiuta a capirti e a conoscere meglio i tuoi impulsi sessuali, la tua passione e il tuo lato creativo. Tutti i diritti su questo software sono riservati a Corvane Softwares.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Visita %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Un’attività da casa: avvia il tuo business su Internet e guadagna online. Ottieni questo software interamente col tuo marchio per il tuo sito.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Fai clic qui per i dettagli</translation>
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
        <translation>Segno astrologico sessuale</translation>
    </message>
    <message>
        <source>Eros is the god of sexual love and desire.</source>
        <translation>Eros è il dio dell’amore sensuale e del desiderio.</translation>
    </message>
    <message>
        <source>Eros in your Chart is Placed in</source>
        <translation>Nel tuo tema natale Eros è in</translation>
    </message>
    <message>
        <source>Your sexual astrology sign</source>
        <translation>Il tuo segno astrologico sessuale</translation>
    </message>
    <message>
        <source>The reading for your sign</source>
        <translation>L’interpretazione del tuo segno</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>About This Answer</source>
        <translation>Su questa risposta</translation>
    </message>
    <message>
        <source>Notes on your sign</source>
        <translation>Note sul tuo segno</translation>
    </message>
    <message>
        <source>Swaps the sign and reading above for those of the other part of the day</source>
        <translation>Sostituisce segno e interpretazione qui sopra con quelli dell’altra parte del giorno</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Cerca aggiornamenti</translation>
    </message>
    <message>
        <source>&amp;Show the reading for %1</source>
        <translation>&amp;Mostra l’interpretazione per %1</translation>
    </message>
    <message>
        <source>Eros in your Chart is Placed in %1. %2</source>
        <translation>Nel tuo tema natale Eros è in %1. %2</translation>
    </message>
    <message>
        <source>Save &amp;Picture...</source>
        <translation>Salva imma&amp;gine...</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Salva immagine</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved in %1.</source>
        <translation>Non è stato possibile salvare l’immagine in %1.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Starkindle describes the placement of the asteroid Eros in your birth chart. This helps you know more about the sexual, passion, love and erotic side of your nature</source>
        <translation>Starkindle descrive la posizione dell’asteroide Eros nel tuo tema natale. Così scopri di più sul lato sessuale, passionale, amoroso ed erotico della tua natura.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Nascita</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>gg</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>aa</translation>
    </message>
    <message>
        <source>Find My &amp;Sexual Astrology Sign</source>
        <translation>Trova il mio &amp;segno astrologico sessuale</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Cerca &amp;aggiornamenti</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Inserisci solo lettere</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Inserisci un giorno o un mese valido!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Inserisci un giorno o un mese valido!</translation>
    </message>
    <message>
        <source>&amp;Time of Birth</source>
        <translation>&amp;Ora di nascita</translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation>Ora di nascita</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>the time of birth, when none is given</comment>
        <translation>sconosciuta</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>the place of birth, when none is given</comment>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>Hours and minutes, such as 14:30; leave it empty if unknown</source>
        <translation>Ore e minuti, come 14:30; lascia vuoto se non la conosci</translation>
    </message>
    <message>
        <source>(optional)</source>
        <translation>(facoltativo)</translation>
    </message>
    <message>
        <source>&amp;Place of Birth</source>
        <translation>&amp;Città natale</translation>
    </message>
    <message>
        <source>Place of birth</source>
        <translation>Luogo di nascita</translation>
    </message>
    <message>
        <source>A town or city, such as London; leave it empty if unknown</source>
        <translation>Un paese o una città, come London; lascia vuoto se non lo conosci</translation>
    </message>
    <message>
        <source>Please enter the time of birth as hours and minutes, such as 14:30, or leave it empty.</source>
        <translation>Inserisci l’ora di nascita in ore e minuti, come 14:30, o lascia il campo vuoto.</translation>
    </message>
    <message>
        <source>No place called &quot;%1&quot; is known. Please type a town or city, such as London, or leave it empty.</source>
        <translation>Non si conosce nessun luogo chiamato «%1». Scrivi un paese o una città, come London, o lascia il campo vuoto.</translation>
    </message>
    <message>
        <source>The clocks there skipped %1 on that day, so no one was born at that time. Please check the time of birth.</source>
        <translation>Lì quel giorno gli orologi hanno saltato le %1, quindi nessuno è nato a quell’ora. Controlla l’ora di nascita.</translation>
    </message>
    <message>
        <source>That day was skipped there: the calendar went from the day before to the day after. Please check the date and place.</source>
        <translation>Lì quel giorno è stato saltato: il calendario è passato dal giorno prima al giorno dopo. Controlla la data e il luogo.</translation>
    </message>
    <message>
        <source>That moment falls outside %1 to %2 in UT, the years the program answers for.</source>
        <translation>Quel momento cade fuori dagli anni dal %1 al %2 in UT, per i quali il programma risponde.</translation>
    </message>
</context>
<context>
    <name>frmNagScreen2</name>
    <message>
        <source>Starkindle icon</source>
        <translation>Icona di Starkindle</translation>
    </message>
    <message>
        <source>Download Corvane Softwares</source>
        <translation>Scarica i programmi di Corvane Softwares</translation>
    </message>
    <message>
        <source>Starkindle is one of a whole family of small programs from Corvane Softwares: astrology and numerology readings, personal organisers, learning aids and handy everyday tools. Most of them are free to download and try, and every one is made with the same care as this one. Spend a few minutes browsing the collection; you may find just the tool you have been looking for, or a pleasant surprise to share with a friend.</source>
        <translation>Starkindle fa parte di un’intera famiglia di piccoli programmi di Corvane Softwares: interpretazioni astrologiche e numerologiche, agende personali, strumenti per imparare e pratici strumenti per ogni giorno. Quasi tutti si possono scaricare e provare gratis, e ognuno è fatto con la stessa cura di questo. Dedica qualche minuto alla raccolta: potresti trovare proprio lo strumento che cercavi, o una bella sorpresa da condividere con un amico.</translation>
    </message>
    <message>
        <source>Click Here To Visit Corvane Softwares</source>
        <translation>Fai clic qui per visitare Corvane Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Consiglia a un amico</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Il tuo indirizzo email</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Nome dell’amico</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>Indirizzo email dell’amico</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Consiglia ora</translation>
    </message>
    <message>
        <source>Visit %1 now</source>
        <translation>Visita %1 ora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Corvane Softwares can only make and maintain programs like this one with your support, and the best support you can give is to visit the Corvane discussion forum regularly and take part in it.</source>
        <translation>Corvane Softwares può creare e mantenere programmi come questo solo con il tuo sostegno, e il sostegno migliore che puoi dare è visitare spesso il forum di discussione di Corvane e partecipare.</translation>
    </message>
    <message>
        <source>Please visit the Corvane discussion forum regularly and join in its discussions. Without you we cannot keep our programs maintained.</source>
        <translation>Visita spesso il forum di discussione di Corvane e partecipa alle discussioni. Senza di te non possiamo mantenere i nostri programmi.</translation>
    </message>
    <message>
        <source>The Corvane discussion forum is a free online discussion forum. Please visit it regularly and help us maintain this program.</source>
        <translation>Il forum di discussione di Corvane è un forum online gratuito. Visitalo spesso e aiutaci a mantenere questo programma.</translation>
    </message>
    <message>
        <source>The Corvane discussion forum needs your help. Please visit it regularly, so that we can develop more programs for you.</source>
        <translation>Il forum di discussione di Corvane ha bisogno del tuo aiuto. Visitalo spesso, così potremo sviluppare altri programmi per te.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Inserisci due indirizzi email diversi</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Inserisci un indirizzo email valido</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Un indirizzo email non può contenere spazi</translation>
    </message>
</context>
<context>
    <name>look</name>
    <message>
        <source>Opens a web page in your browser</source>
        <translation>Apre una pagina web nel browser</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Potrebbe esserci un aggiornamento di questo software</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Vuoi cercare un aggiornamento?</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Your referral is too long to be sent. Please shorten your message.</source>
        <translation>Il tuo consiglio è troppo lungo per essere inviato. Accorcia il messaggio.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Il tuo indirizzo email</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Il tuo messaggio</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome dell’amico</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Indirizzo email dell’amico</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Inserisci il tuo indirizzo email</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Inserisci il tuo messaggio</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Inserisci il nome del tuo amico</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Inserisci l’indirizzo email del tuo amico</translation>
    </message>
</context>
<context>
    <name>nodisplay</name>
    <message>
        <source>starkindle: no display could be opened: no X display, and the Wayland platform plugin is not installed (qt6-wayland)
</source>
        <translation>starkindle: impossibile aprire uno schermo: nessuno schermo X, e il plugin della piattaforma Wayland non è installato (qt6-wayland)
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened: DISPLAY is %1, and the Wayland platform plugin is not installed (qt6-wayland)
</source>
        <translation>starkindle: impossibile aprire uno schermo: DISPLAY è %1, e il plugin della piattaforma Wayland non è installato (qt6-wayland)
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened (DISPLAY is not set); start it from a graphical session
</source>
        <translation>starkindle: impossibile aprire uno schermo (DISPLAY non è impostato); avvialo da una sessione grafica
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened (DISPLAY is %1); start it from a graphical session
</source>
        <translation>starkindle: impossibile aprire uno schermo (DISPLAY è %1); avvialo da una sessione grafica
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened: the X server of DISPLAY %1 dropped the connection %2 times in a row
</source>
        <translation>starkindle: impossibile aprire uno schermo: il server X di DISPLAY %1 ha interrotto la connessione %2 volte di fila
</translation>
    </message>
</context>
<context>
    <name>promotion</name>
    <message>
        <source>Talk it over in the Corvane forum at %1</source>
        <translation>Parlane nel forum di Corvane su %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Un’attività da casa: avvia il tuo business su Internet e guadagna online. Ottieni questo software col tuo marchio per il tuo sito. Fai clic qui per i dettagli.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Your name and links go on every copy your visitors take home; see the Help for details. Click Here for more info on co-branding.</source>
        <translation>Metti il tuo marchio su questo software per il tuo sito: il tuo nome e i tuoi link saranno su ogni copia che i visitatori portano a casa; vedi la Guida. Fai clic qui per saperne di più.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Guida &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitaci online</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informazioni sul software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Dona</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Guadagna &amp;online</translation>
    </message>
</context>
<context>
    <name>startup</name>
    <message>
        <source>Application is already running</source>
        <translation>Il programma è già in esecuzione</translation>
    </message>
    <message>
        <source>Starkindle cannot start: it found no private folder for the lock that keeps a second copy from running. The system has no home folder on record for your user, and HOME is not a folder that only you can write to. Set HOME to such a folder and start Starkindle again.</source>
        <translation>Starkindle non può avviarsi: non ha trovato una cartella privata per il blocco che impedisce l’avvio di una seconda copia. Il sistema non conosce una cartella home per il tuo utente, e HOME non è una cartella in cui solo tu puoi scrivere. Imposta HOME su una cartella di questo tipo e avvia di nuovo Starkindle.</translation>
    </message>
</context>
</TS>
