<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Calendar</name>
    <message>
        <source>January</source>
        <translation>Enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Diciembre</translation>
    </message>
</context>
<context>
    <name>CalendarDate</name>
    <message>
        <source>January</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>diciembre</translation>
    </message>
</context>
<context>
    <name>ResultNotes</name>
    <message>
        <source>%1 %2 %3</source>
        <comment>a date: day, month name, year</comment>
        <translation>%1 de %2 de %3</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>a date on the first of a month: day, month name, year</comment>
        <translation>%1 de %2 de %3</translation>
    </message>
    <message>
        <source>The sign comes from the original table, which covers %1 to %2.</source>
        <translation>El signo procede de la tabla original, que abarca de %1 a %2.</translation>
    </message>
    <message>
        <source>On this day the table has Eros moving from %1 into %2; it gives no hour.</source>
        <translation>Según la tabla, ese día Eros pasa del signo %1 al signo %2; no indica la hora.</translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for %1 UT on this day.</source>
        <translation>El signo se calcula a partir de la órbita de Eros publicada por el JPL, para las %1 UT de ese día.</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2.</source>
        <translation>Respuesta para %1, fecha de nacimiento: %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>days and hours</comment>
        <translation>%1 y %2</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>hours and minutes</comment>
        <translation>%1 y %2</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>menos de un minuto</translation>
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
        <translation>%1, es decir, las %2 del %3 en hora local (%4)</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2 at %3.</source>
        <translation>Respuesta para %1, fecha de nacimiento: %2 a las %3.</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2 at %3 in %4.</source>
        <translation>Respuesta para %1, fecha de nacimiento: %2 a las %3, en %4.</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2 in %3.</source>
        <translation>Respuesta para %1, fecha de nacimiento: %2, en %3.</translation>
    </message>
    <message>
        <source>No birthplace was given: this computer&apos;s time zone stands in for it.</source>
        <translation>No se indicó ningún lugar de nacimiento: en su lugar se usa la zona horaria de este equipo.</translation>
    </message>
    <message>
        <source>The clocks there showed that time twice: at %1 and at %2.</source>
        <translation>Allí los relojes marcaron esa hora dos veces: a las %1 y a las %2.</translation>
    </message>
    <message>
        <source>You were born at %1 (%2).</source>
        <translation>Naciste a las %1 (%2).</translation>
    </message>
    <message>
        <source>You were born at %1.</source>
        <translation>Naciste a las %1.</translation>
    </message>
    <message>
        <source>You were born at %1 on %2 local time (%3), which was %4.</source>
        <translation>Naciste a las %1 del %2 en hora local (%3), es decir, a las %4.</translation>
    </message>
    <message>
        <source>Eros had entered %1 %2 before your birth and moved on into %3 %4 after it.</source>
        <translation>Eros había entrado en %1 %2 antes de tu nacimiento y pasó a %3 %4 después.</translation>
    </message>
    <message>
        <source>Eros moved from %1 into %2 at %3.</source>
        <translation>Eros pasó del signo %1 al signo %2 a las %3.</translation>
    </message>
    <message>
        <source>If you were born before %1, Eros was in %2; if later, in %3.</source>
        <translation>Si naciste antes de las %1, Eros estaba en %2; si más tarde, en %3.</translation>
    </message>
    <message>
        <source>%1 UT</source>
        <translation>%1 UT</translation>
    </message>
    <message>
        <source>%1 local time</source>
        <translation>%1, hora local</translation>
    </message>
    <message>
        <source>Give your time of birth for one sign.</source>
        <translation>Indica tu hora de nacimiento para obtener un solo signo.</translation>
    </message>
    <message>
        <source>Eros was then within %1″ of the boundary between %2 and %3, closer than the model&apos;s error: the sign could be either.</source>
        <translation>Eros estaba entonces a menos de %1″ del límite entre %2 y %3, dentro del margen de error del modelo: el signo puede ser cualquiera de los dos.</translation>
    </message>
    <message>
        <source>retrograde ℞</source>
        <comment>Eros moving backwards through the signs</comment>
        <translation>retrógrado ℞</translation>
    </message>
    <message>
        <source>In the computed sky Eros stood at %1.</source>
        <translation>En el cielo calculado, Eros estaba en %1.</translation>
    </message>
    <message>
        <source>Eros stood at %1.</source>
        <translation>Eros estaba en %1.</translation>
    </message>
    <message>
        <source>In the computed sky Eros stood at %1, %2.</source>
        <translation>En el cielo calculado, Eros estaba en %1, %2.</translation>
    </message>
    <message>
        <source>Eros stood at %1, %2.</source>
        <translation>Eros estaba en %1, %2.</translation>
    </message>
    <message>
        <source>Over the day in UT Eros moved from %1 to %2.</source>
        <translation>A lo largo del día en UT, Eros pasó de %1 a %2.</translation>
    </message>
    <message>
        <source>Over the local day Eros moved from %1 to %2.</source>
        <translation>A lo largo del día local, Eros pasó de %1 a %2.</translation>
    </message>
    <message>
        <source>In the computed sky, over the day in UT, Eros moved from %1 to %2.</source>
        <translation>En el cielo calculado, a lo largo del día en UT, Eros pasó de %1 a %2.</translation>
    </message>
    <message>
        <source>In the computed sky, over the local day, Eros moved from %1 to %2.</source>
        <translation>En el cielo calculado, a lo largo del día local, Eros pasó de %1 a %2.</translation>
    </message>
    <message>
        <source>Eros was %1 all day.</source>
        <translation>Eros estuvo %1 todo el día.</translation>
    </message>
    <message>
        <source>Eros stood still at %1 and then turned %2.</source>
        <translation>Eros quedó estacionario a las %1 y luego se volvió %2.</translation>
    </message>
    <message>
        <source>Eros stood still at %1 and then turned direct.</source>
        <translation>Eros quedó estacionario a las %1 y luego volvió a ser directo.</translation>
    </message>
    <message>
        <source>That is in %1, not in the table&apos;s %2, which the program keeps.</source>
        <translation>Eso corresponde al signo %1, no al signo %2 de la tabla, que es el que mantiene el programa.</translation>
    </message>
    <message>
        <source>Eros at %1, %2</source>
        <translation>Eros en %1, %2</translation>
    </message>
    <message>
        <source>retrograde</source>
        <translation>retrógrado</translation>
    </message>
    <message>
        <source>Eros at %1</source>
        <translation>Eros en %1</translation>
    </message>
    <message>
        <source>A zodiac wheel with Eros at %1 and the Sun at %2.</source>
        <translation>Una rueda zodiacal con Eros en %1 y el Sol en %2.</translation>
    </message>
    <message>
        <source>A zodiac wheel with Eros at %1.</source>
        <translation>Una rueda zodiacal con Eros en %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>a span of years</comment>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>The computed sky has that change at %1.</source>
        <translation>En el cielo calculado, ese cambio ocurre a las %1.</translation>
    </message>
    <message>
        <source>The reading shown is for %1, the sign before the change: by the computed sky, for births before %2 UT on %3.</source>
        <translation>La interpretación mostrada es la de %1, el signo anterior al cambio: según el cielo calculado, para nacimientos antes de las %2 UT del %3.</translation>
    </message>
    <message>
        <source>at the moment of your birth</source>
        <translation>en el momento de tu nacimiento</translation>
    </message>
    <message>
        <source>at %1 UT on this day</source>
        <translation>a las %1 UT de ese día</translation>
    </message>
    <message>
        <source>The computed sky puts Eros in %1 %2; for %3 the program keeps the original table&apos;s answer, %4.</source>
        <translation>En el cielo calculado, Eros está en %1 %2; para los años %3 el programa mantiene la respuesta de la tabla original, %4.</translation>
    </message>
    <message>
        <source>The reading shown is for %1, where the computed sky puts Eros; the program answers with the table&apos;s %2.</source>
        <translation>La interpretación mostrada es la de %1, donde el cielo calculado sitúa a Eros; el programa responde con %2, el signo de la tabla.</translation>
    </message>
    <message>
        <source>The computed sky has Eros moving from %1 into %2 at %3.</source>
        <translation>En el cielo calculado, Eros pasa del signo %1 al signo %2 a las %3.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births before %2.</source>
        <translation>La interpretación mostrada es la de %1: para nacimientos antes de las %2.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births at or after %2.</source>
        <translation>La interpretación mostrada es la de %1: para nacimientos a partir de las %2.</translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for the moment of your birth.</source>
        <translation>El signo se calcula a partir de la órbita de Eros publicada por el JPL, para el momento de tu nacimiento.</translation>
    </message>
    <message>
        <source>At the first Eros was in %1, at the second in %2.</source>
        <translation>En el primero, Eros estaba en %1; en el segundo, en %2.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for a birth at the first of the two.</source>
        <translation>La interpretación mostrada es la de %1: para un nacimiento en el primero de los dos momentos.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for a birth at the second of the two.</source>
        <translation>La interpretación mostrada es la de %1: para un nacimiento en el segundo de los dos momentos.</translation>
    </message>
    <message>
        <source>The reading shown is for %1, the sign Eros was in or entered within the model&apos;s error of your birth.</source>
        <translation>La interpretación mostrada es la de %1, el signo en el que Eros estaba o en el que entró en el momento de tu nacimiento, dentro del margen de error del modelo.</translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for the whole day at the birthplace.</source>
        <translation>El signo se calcula a partir de la órbita de Eros publicada por el JPL, para todo el día en el lugar de nacimiento.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births before %2 local time.</source>
        <translation>La interpretación mostrada es la de %1: para nacimientos antes de las %2, hora local.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births at or after %2 local time.</source>
        <translation>La interpretación mostrada es la de %1: para nacimientos a partir de las %2, hora local.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a position: degree and minute within the sign, the sign</comment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>No web browser could be started to open this page. Copy the address below into a browser yourself.</source>
        <translation>No se pudo iniciar ningún navegador web para abrir esta página. Copia tú mismo la dirección de abajo en un navegador.</translation>
    </message>
    <message>
        <source>No web browser could be started to open this page. Install xdg-utils and a web browser, or copy the address below into a browser yourself.</source>
        <translation>No se pudo iniciar ningún navegador web para abrir esta página. Instala xdg-utils y un navegador web, o copia tú mismo la dirección de abajo en un navegador.</translation>
    </message>
    <message>
        <source>Address of the page</source>
        <translation>Dirección de la página</translation>
    </message>
</context>
<context>
    <name>Sign</name>
    <message>
        <source>Aries</source>
        <translation>Aries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Tauro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Géminis</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cáncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leo</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgo</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpio</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricornio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acuario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Piscis</translation>
    </message>
</context>
<context>
    <name>SignReadings</name>
    <message>
        <source>The placement or Eros in this cardinal fire sign is a spark thrown into dry grass. Mars, ruler of Aries, lends your desire speed and daring, so you fall for someone in a heartbeat and see no reason to wait for permission. You love the chase as much as the prize, and a partner who plays a little hard to get keeps your pulse racing. In bed you are direct, playful and generous with your energy, preferring honest hunger to coy games. Boredom is your real rival; routine cools you faster than any quarrel. Learn to linger, because tenderness shown slowly can be as thrilling as a sudden kiss. The lover who can match your courage and still slow you down now and then will hold your heart for a very long time.</source>
        <translation>La presencia de Eros en este signo cardinal de fuego es una chispa que cae sobre la hierba seca. Marte, regente de Aries, da a tu deseo velocidad y audacia, así que te enamoras en un abrir y cerrar de ojos y no ves motivo para esperar permiso. Te gusta la caza tanto como la presa, y alguien que se hace un poco de rogar te acelera el pulso. En la cama vas al grano, juegas y das tu energía sin reservas, y prefieres el hambre sincera a los juegos coquetos. El aburrimiento es tu verdadero rival; la rutina te enfría más deprisa que cualquier pelea. Aprende a demorarte, porque la ternura mostrada despacio puede ser tan emocionante como un beso repentino. Quien esté a la altura de tu valor y aun así sepa frenarte de vez en cuando guardará tu corazón durante mucho tiempo.</translation>
    </message>
    <message>
        <source>Dominated by the goddess of love, Venus, Taurus is steeped in sensual pleasure, and Eros here turns desire into something you can touch, taste and savour. You never hurry. Seduction for you is a long, slow dinner by candlelight, silk sheets, a favourite song and the warmth of skin against skin. Once you have chosen a partner you are loyal, affectionate and deeply devoted, and you expect the same steadiness in return. Your earthy nature makes you a patient, attentive lover who remembers precisely what pleases. Possessiveness can creep in when you feel insecure, so let trust do the work that jealousy never could. Given time and comfort, your passion grows richer every year.</source>
        <translation>Dominado por la diosa del amor, Venus, Tauro está impregnado de placer sensual, y aquí Eros convierte el deseo en algo que puedes tocar, probar y saborear. Nunca tienes prisa. Para ti, la seducción es una cena larga y pausada a la luz de las velas, sábanas de seda, tu canción favorita y el calor de piel contra piel. Una vez que eliges pareja, le das lealtad, cariño y una entrega profunda, y esperas la misma constancia a cambio. Tu naturaleza terrenal te da en el amor paciencia y atención, y recuerdas exactamente lo que gusta. La posesividad puede colarse cuando te falta seguridad, así que deja que la confianza haga lo que los celos nunca lograrían. Con tiempo y comodidad, tu pasión se vuelve más rica cada año.</translation>
    </message>
    <message>
        <source>When Eros is coupled with Gemini, the sign of communication, desire begins in the mind. Ruled by quick-witted Mercury, you are seduced by clever words, teasing messages and long late-night conversations that wander everywhere. A partner who cannot keep up with your banter will not hold your interest, however attractive. You like variety and flirt almost without noticing, which can make others wonder how serious you are. Love for you must stay light on its feet, curious and full of surprises; the cliché of roses every Friday leaves you cold. When you find someone who is both playmate and best friend, your restless airy heart settles happily at last.  </source>
        <translation>Cuando Eros se une a Géminis, el signo de la comunicación, el deseo empieza en la mente. Bajo el influjo del ágil Mercurio, te seducen las palabras brillantes, los mensajes provocadores y las largas conversaciones nocturnas que van de un tema a otro. Quien no siga el ritmo de tus bromas no retendrá tu interés, por mucho atractivo que tenga. Te gusta la variedad y coqueteas casi sin darte cuenta, lo que puede hacer que otros se pregunten hasta qué punto vas en serio. Para ti, el amor debe seguir siendo ligero, curioso y lleno de sorpresas; el cliché de las rosas cada viernes no te dice nada. Cuando encuentras a alguien con quien jugar y a quien confiarlo todo, tu inquieto corazón de aire por fin encuentra la calma y la felicidad.</translation>
    </message>
    <message>
        <source>A person with Eros in Cancer is eager to share a home as well as a bed. Ruled by the Moon, this water sign makes your desire tidal, rising and falling with your moods and with how safe you feel.  You need emotional closeness before physical intimacy can truly flower, and you give yourself fully once you trust. Caring for a partner is one of your deepest pleasures: cooking for them, remembering their childhood stories, holding them close when the world outside turns harsh. Under your protective shell lies a sensitive and romantic soul who can be deeply hurt by a careless word. You may retreat when wounded, so a lover must learn patience. Treated tenderly, you return a devotion that lasts a lifetime. </source>
        <translation>Quien tiene a Eros en Cáncer desea compartir un hogar además de una cama. Regido por la Luna, este signo de agua hace que tu deseo suba y baje como las mareas, al compás de tu ánimo y de la seguridad que sientes. Necesitas cercanía emocional antes de que la intimidad física pueda florecer de verdad, y te entregas por completo en cuanto confías. Cuidar de tu pareja es uno de tus placeres más profundos: cocinar para ella, recordar sus historias de infancia, abrazarla cuando el mundo exterior se vuelve duro. Bajo tu caparazón protector hay un alma sensible y romántica a la que una palabra descuidada puede herir profundamente. Cuando te hieren, puede que te retraigas, así que quien te ame debe aprender a tener paciencia. Si te tratan con ternura, devuelves una devoción que dura toda la vida.</translation>
    </message>
    <message>
        <source>When Eros, the God of love occupies this fiery sign, romance becomes a grand performance and you are its radiant star. Ruled by the Sun, you love with warmth, generosity and a flair for drama. You want to be adored, admired and told so often, and in return you shower your partner with attention, gifts and loyal affection. Passion for you is bold and playful; you enjoy dressing up, setting the scene and making each night feel like an occasion. Pride is your weak spot, since a bruised ego can turn your fire into sulking. Choose a lover who applauds you sincerely and is confident enough to shine beside you. Together you can make a love story worth retelling.</source>
        <translation>Cuando Eros, el dios del amor, ocupa este signo de fuego, el romance se convierte en una gran función y tú eres su estrella radiante. Bajo el signo del Sol, amas con calidez, generosidad y un toque teatral. Quieres que te adoren, te admiren y te lo digan a menudo, y a cambio colmas a tu pareja de atenciones, regalos y un afecto leal. Tu pasión es audaz y juguetona; te gusta arreglarte, preparar el escenario y convertir cada noche en una ocasión especial. El orgullo es tu punto débil, pues un ego herido puede convertir tu fuego en enfurruñamiento. Elige a alguien que te aplauda con sinceridad y tenga la seguridad suficiente para brillar a tu lado. A su lado puedes escribir una historia de amor digna de contarse.</translation>
    </message>
    <message>
        <source>Whimsical and moody at times, you are a fine combination of cool reason and hidden sensuality. Mercury rules this earth sign, so you study a potential partner carefully before you let anyone close, noticing each small gesture and each broken promise. Your standards are high and you can be critical, yet that same attention to detail makes you a thoughtful and devoted lover. You show affection through practical care, fixing what is broken, planning the perfect weekend, quietly remembering what your partner likes. Beneath a modest, reserved exterior lies a surprisingly earthy appetite that only a trusted lover ever sees. Let go of the need for perfection and allow yourself to be adored as you are, flaws and all, and passion will follow naturally</source>
        <translation>Con tus caprichos y tus cambios de humor, eres una fina combinación de fría razón y sensualidad oculta. Mercurio rige este signo de tierra, así que estudias con cuidado a una posible pareja antes de dejar que nadie se acerque, fijándote en cada pequeño gesto y en cada promesa rota. Tus exigencias son altas y a veces juzgas con dureza, pero esa misma atención al detalle hace que ames con consideración y entrega. Muestras tu cariño con cuidados prácticos: arreglas lo que está roto, planeas el fin de semana perfecto, recuerdas en silencio lo que le gusta a tu pareja. Bajo un exterior modesto y reservado se esconde un apetito sorprendentemente terrenal que solo una persona de confianza llega a ver. Suelta la necesidad de perfección y déjate adorar tal como eres, con tus defectos, y la pasión llegará con naturalidad.</translation>
    </message>
    <message>
        <source>Taking part in many activities with your partner is essential to you, because for Libra love is a shared adventure rather than a private refuge. Venus rules this airy sign, giving you charm, grace and a keen eye for beauty. You are drawn to elegant, refined people and you court them with compliments, good taste and gentle persuasion. Harmony matters to you enormously; arguments upset your balance, and you may keep quiet rather than risk a scene. In intimacy you are considerate and romantic, always attentive to what pleases the other person. The risk is losing yourself in trying to be the perfect companion. Speak up for your own desires, and you will find a partnership of true equals. </source>
        <translation>Compartir muchas actividades con tu pareja es esencial para ti, porque para Libra el amor es una aventura compartida más que un refugio privado. Venus rige este signo de aire y te da encanto, gracia y buen ojo para la belleza. Te atraen las personas elegantes y refinadas, y las cortejas con cumplidos, buen gusto y una persuasión delicada. La armonía te importa muchísimo; las discusiones alteran tu equilibrio, y a veces prefieres callar antes que arriesgarte a una escena. En la intimidad tienes detalles y romanticismo, y siempre estás pendiente de lo que agrada a la otra persona. El riesgo es perderte en el intento de ser la pareja perfecta. Defiende tus propios deseos y encontrarás una relación entre verdaderos iguales.</translation>
    </message>
    <message>
        <source>The most intriguing position of 12 zodiacs, Eros is all intensity in Scorpio. Ruled by Pluto and Mars, this water sign gives you a magnetic, nearly hypnotic pull that others feel the very moment you walk into a crowded room. Desire for you is never casual; you want to merge body and soul with a partner and discover every secret they keep. Your passion is deep, loyal and transformative, yet you guard your own vulnerability fiercely. Jealousy and a need to control can surface when trust is shaken, and you rarely if ever forgive betrayal. A lover who is honest, brave and unafraid of emotional depth will share with you a bond unlike any other. </source>
        <translation>La posición más intrigante de los doce signos del zodiaco: en Escorpio, Eros es pura intensidad. Regido por Plutón y Marte, este signo de agua te da un magnetismo casi hipnótico que los demás sienten en el mismo instante en que entras en una sala llena de gente. Para ti el deseo nunca es algo casual; quieres fundirte en cuerpo y alma con tu pareja y descubrir cada secreto que guarda. Tu pasión es profunda, leal y transformadora, pero proteges con fiereza tu propia vulnerabilidad. Los celos y la necesidad de control pueden aflorar cuando la confianza se tambalea, y rara vez perdonas una traición, si es que llegas a perdonarla. Una persona honesta, valiente y sin miedo a la profundidad emocional compartirá contigo un vínculo como ningún otro.</translation>
    </message>
    <message>
        <source>If you have Eros in Sagittarius, you are keen to explore the world and your own heart with equal enthusiasm. Jupiter, the planet of expansion, rules this fire sign, so your love life tends to be generous, optimistic and full of laughter.  You are attracted to people from different backgrounds, bold thinkers and fellow travellers who can talk philosophy over breakfast in a foreign city. Freedom is precious; a partner who tries to fence you in will soon find the gate open and you gone. In bed you are spontaneous, open-minded and cheerful, treating pleasure as one more adventure. Honesty comes naturally, though sometimes too bluntly for gentler hearts. Commitment is possible when it feels like a journey rather than a cage. Share your dreams, pack light, and let your lover walk beside you rather than behind you, and the road ahead will be bright. </source>
        <translation>Si tienes a Eros en Sagitario, exploras el mundo y tu propio corazón con el mismo entusiasmo. Júpiter, el planeta de la expansión, rige este signo de fuego, así que tu vida amorosa suele ser generosa, optimista y llena de risas. Te atraen las personas de otros orígenes, las mentes audaces y la gente con quien viajar y filosofar durante el desayuno en una ciudad extranjera. La libertad es sagrada para ti; quien intente encerrarte pronto encontrará la puerta abierta y a ti lejos. En la cama te mueven la espontaneidad, la apertura y la alegría, y vives el placer como una aventura más. La sinceridad te sale sola, aunque a veces con demasiada franqueza para los corazones más delicados. El compromiso es posible cuando se siente como un viaje y no como una jaula. Comparte tus sueños, viaja ligero de equipaje y deja que tu pareja camine a tu lado y no detrás de ti, y el camino que te espera será luminoso.</translation>
    </message>
    <message>
        <source>Judgmental in your attitude towards others, you will never indulge in a romance that you consider unworthy of your time. Saturn rules this earth sign, making you cautious, ambitious and reserved in matters of the heart. You take love seriously and prefer a partner with status, discipline and clear goals. Courtship with you is slow and deliberate, and some may mistake your restraint for coldness. Yet behind that composed exterior lies a strong physical nature and a surprisingly dry, wicked sense of humour. Once committed, you are faithful, protective and dependable, building a relationship as carefully as a career. Allow yourself to relax and play, because even the most solid mountain needs spring.</source>
        <translation>Exigente al juzgar a los demás, nunca te entregarás a un romance que consideres indigno de tu tiempo. Saturno rige este signo de tierra y te da cautela, ambición y reserva en los asuntos del corazón. Te tomas el amor en serio y prefieres una pareja con posición, disciplina y metas claras. Cortejarte es un proceso lento y deliberado, y hay quien confunde tu contención con frialdad. Sin embargo, tras ese exterior sereno se esconden una fuerte naturaleza física y un sentido del humor sorprendentemente seco y pícaro. Una vez que te comprometes, eres fiel, das protección y se puede contar contigo, y construyes una relación con tanto cuidado como una carrera. Permítete relajarte y jugar, porque hasta la montaña más firme necesita su primavera.</translation>
    </message>
    <message>
        <source>Following the same well-trodden path is not your way of loving. With Eros in this air sign ruled by Uranus, you are drawn to the unusual, the eccentric and the gifted. Friendship is the foundation of every romance for you, and a partner must first win your mind before winning your body. You value independence highly and can seem detached, even when your feelings run strong. Unconventional arrangements do not frighten you, and you enjoy experimenting with new ideas in love as in life. Possessive or clingy lovers make you feel trapped. Someone who respects your space, shares your ideals and surprises you now and then will find you loyal in your own original way. </source>
        <translation>Seguir el mismo camino trillado no es tu forma de amar. Con Eros en este signo de aire regido por Urano, te atrae lo insólito, lo excéntrico y lo genial. Para ti, la amistad es la base de todo romance, y quien quiera tu cuerpo debe conquistar primero tu mente. Valoras mucho la independencia y puedes dar una impresión de distancia, incluso cuando tus sentimientos son intensos. Los acuerdos poco convencionales no te asustan, y disfrutas experimentando con ideas nuevas en el amor como en la vida. Las parejas posesivas o absorbentes te hacen sentir en una trampa. Quien respete tu espacio, comparta tus ideales y te sorprenda de vez en cuando encontrará en ti lealtad, a tu manera tan original.</translation>
    </message>
    <message>
        <source>In this sign, Eros loses his self assertive ego even as he gains a boundless capacity for tenderness. Ruled by Neptune, this water sign makes you dreamy, compassionate and deeply romantic. You long for a soul mate and may idealise a lover, seeing the poet rather than the person. Intimacy for you is a spiritual experience as much as a physical one, full of soft music, candlelight and whispered fantasies. You sense a partner&apos;s needs intuitively and give without ever keeping score. Be wary of rescuing wounded souls, since sacrifice can turn into a sad cliché of the martyr in love. With a kind and grounded companion, your imagination turns love into poetry.</source>
        <translation>En este signo, Eros pierde su ego impetuoso a la vez que gana una capacidad infinita de ternura. Neptuno rige este signo de agua y te llena de sueños, compasión y un profundo romanticismo. Anhelas un alma gemela y puedes idealizar a quien amas, viendo al poeta en lugar de a la persona. Para ti, la intimidad es una experiencia tan espiritual como física, llena de música suave, luz de velas y fantasías susurradas. Percibes por intuición las necesidades de tu pareja y das sin llevar nunca la cuenta. Ten cuidado con querer rescatar almas heridas, porque el sacrificio puede convertirse en el triste cliché del mártir por amor. Junto a alguien amable y con los pies en la tierra, tu imaginación convierte el amor en poesía.</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>starkindle: option &apos;--sign&apos; needs at least one date
</source>
        <translation>starkindle: la opción «--sign» necesita al menos una fecha
</translation>
    </message>
    <message>
        <source>starkindle: option &apos;%1&apos; needs a value
</source>
        <translation>starkindle: la opción «%1» necesita un valor
</translation>
    </message>
    <message>
        <source>starkindle: unrecognized option &apos;%1&apos;
</source>
        <translation>starkindle: opción «%1» no reconocida
</translation>
    </message>
    <message>
        <source>starkindle: unexpected argument &apos;%1&apos;
</source>
        <translation>starkindle: argumento «%1» inesperado
</translation>
    </message>
    <message>
        <source>starkindle: cannot write the answer: %1
</source>
        <translation>starkindle: no se puede escribir la respuesta: %1
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a date from %2-01-01 to %3-12-31 (YYYY-MM-DD, optionally with THH:MM and Z, +HH:MM or -HH:MM)
</source>
        <translation>starkindle: «%1» no es una fecha entre %2-01-01 y %3-12-31 (AAAA-MM-DD, opcionalmente con THH:MM y Z, +HH:MM o -HH:MM)
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is a local time the clocks skip in this time zone
</source>
        <translation>starkindle: «%1» es una hora local que los relojes se saltan en esta zona horaria
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a moment from %2-01-01T00:00Z to %3-12-31T23:59Z
</source>
        <translation>starkindle: «%1» no es un momento entre %2-01-01T00:00Z y %3-12-31T23:59Z
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; happens twice in this time zone, in two signs: add its UTC offset (+HH:MM or -HH:MM)
</source>
        <translation>starkindle: «%1» ocurre dos veces en esta zona horaria, en dos signos: añade su desfase UTC (+HH:MM o -HH:MM)
</translation>
    </message>
    <message>
        <source>starkindle: cannot read standard input: %1
</source>
        <translation>starkindle: no se puede leer la entrada estándar: %1
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
        <translation>Uso: starkindle [OPCIÓN]...
  o: starkindle --sign [--zone ZONA | --place NOMBRE] FECHA[THH:MM[DESFASE]]...
Indica el signo del zodiaco en el que estaba el asteroide Eros en una fecha
de nacimiento entre %1 y %2, con una interpretación de ese signo.
De %3 a %4 el signo procede de la tabla original del programa; para los
demás años, de unas efemérides calculadas a partir de la órbita de Eros
del JPL, a las 12:00 UT del día.

Opciones:
  -h, --help         muestra esta ayuda y sale
      --version      muestra la versión y sale
      --sign FECHA...
                     imprime «FECHA SIGNO» para cada fecha (AAAA-MM-DD, de
                     %1-01-01 a %2-12-31; el signo en inglés) y sale, sin
                     necesitar una sesión gráfica. Con una hora (THH:MM, luego
                     Z para UT, un DESFASE +HH:MM o -HH:MM, o nada para la hora
                     local), el signo en ese momento; de %3 a %4 se sigue
                     respondiendo por la fecha tal como se escribe. «-» lee las
                     fechas de la entrada estándar, una por línea. Una fecha
                     rechazada se indica en la salida de error, las demás se
                     responden, y el estado de salida es 2.
      --zone ZONA    lee las horas y los días locales en la zona horaria IANA
                     ZONA (como Europe/Madrid), con su historia
      --place NOMBRE
                     los lee donde está NOMBRE (su lugar más poblado;
                     «NOMBRE, CC» para un país) y lo nombra tras cada respuesta
      --json         imprime en su lugar un objeto JSON por línea: input, utc,
                     sign, longitude (grados), degree (dentro del signo),
                     retrograde, source (table o ephemeris), zone y offset;
                     sky_sign cuando el signo del grado no es el de la
                     respuesta, later_sign y change en un día con dos signos,
                     place con --place
      --csv          lo mismo en CSV, tras una fila de encabezado
  --                 fin de las opciones: todo lo que sigue son fechas

La hora local es la de TZ o, si no, la del sistema. Un TZ que no nombra ninguna
zona horaria (como TZ=Foo/Bar) se rechaza para las horas sin desfase, en vez de
tomarse como UT. Con --zone o --place, una fecha sola responde por todo el día
local: su signo, o los dos signos y la hora local del cambio.

También se aceptan las opciones propias de Qt, entre ellas -platform NOMBRE,
-display PANTALLA, -style ESTILO y -reverse.
El programa necesita una sesión gráfica (X11, o Wayland con qt6-wayland).
</translation>
    </message>
    <message>
        <source>Try &apos;starkindle --help&apos; for more information.
</source>
        <translation>Prueba «starkindle --help» para más información.
</translation>
    </message>
    <message>
        <source>starkindle: TZ=&apos;%1&apos; names no time zone: use --zone AREA/CITY, or give the time&apos;s UTC offset
</source>
        <translation>starkindle: TZ=&apos;%1&apos; no nombra ninguna zona horaria: usa --zone REGIÓN/CIUDAD o indica el desfase UTC de la hora
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is a day this time zone skipped
</source>
        <translation>starkindle: «%1» es un día que esta zona horaria se saltó
</translation>
    </message>
    <message>
        <source>starkindle: options &apos;--zone&apos;, &apos;--place&apos;, &apos;--json&apos; and &apos;--csv&apos; go with &apos;--sign&apos;
</source>
        <translation>starkindle: las opciones «--zone», «--place», «--json» y «--csv» van con «--sign»
</translation>
    </message>
    <message>
        <source>starkindle: give &apos;--zone&apos; or &apos;--place&apos;, not both
</source>
        <translation>starkindle: indica «--zone» o «--place», no las dos
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a time zone (AREA/CITY, such as Europe/London)
</source>
        <translation>starkindle: «%1» no es una zona horaria (REGIÓN/CIUDAD, como Europe/Madrid)
</translation>
    </message>
    <message>
        <source>starkindle: no place called &apos;%1&apos; is known
</source>
        <translation>starkindle: no se conoce ningún lugar llamado «%1»
</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Starkindle icon</source>
        <translation>Icono de Starkindle</translation>
    </message>
    <message>
        <source>Starkindle describes the placement of the asteroid Eros in your birth chart. This asteroid is also known as the Cupid. This sign helps you understand yourself and know more about your sexual urges and passionate feelings. It gives you an insight to your creative feelings. All rights to this software are reserved by Corvane Softwares.</source>
        <translation>Starkindle describe la posición del asteroide Eros, también conocido como Cupido, en tu carta natal. Su signo te ayuda a comprenderte y a saber más sobre tus impulsos sexuales y tus sentimientos apasionados, y te da una visión de tu lado creativo. Todos los derechos de este software pertenecen a Corvane Softwares.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Visitar %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidad de negocio desde casa. Crea tu propio negocio en Internet y gana dinero en línea. Consigue este software totalmente con tu marca para tu sitio web.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Más detalles aquí</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Sexual Astrology Sign</source>
        <translation>Signo astrológico sexual</translation>
    </message>
    <message>
        <source>Eros is the god of sexual love and desire.</source>
        <translation>Eros es el dios del amor sexual y del deseo.</translation>
    </message>
    <message>
        <source>Eros in your Chart is Placed in</source>
        <translation>En tu carta natal, Eros está en</translation>
    </message>
    <message>
        <source>Your sexual astrology sign</source>
        <translation>Tu signo astrológico sexual</translation>
    </message>
    <message>
        <source>The reading for your sign</source>
        <translation>La interpretación de tu signo</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Eros in your Chart is Placed in %1. %2</source>
        <translation>En tu carta natal, Eros está en %1. %2</translation>
    </message>
    <message>
        <source>About This Answer</source>
        <translation>Sobre esta respuesta</translation>
    </message>
    <message>
        <source>Notes on your sign</source>
        <translation>Notas sobre tu signo</translation>
    </message>
    <message>
        <source>Swaps the sign and reading above for those of the other part of the day</source>
        <translation>Cambia el signo y la interpretación de arriba por los de la otra parte del día</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Show the reading for %1</source>
        <translation>&amp;Mostrar la interpretación de %1</translation>
    </message>
    <message>
        <source>Save &amp;Picture...</source>
        <translation>Guardar &amp;imagen...</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved in %1.</source>
        <translation>No se pudo guardar la imagen en %1.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Starkindle describes the placement of the asteroid Eros in your birth chart. This helps you know more about the sexual, passion, love and erotic side of your nature</source>
        <translation>Starkindle describe la posición del asteroide Eros en tu carta natal. Te ayuda a conocer mejor el lado sexual, apasionado, amoroso y erótico de tu naturaleza</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Nacimiento</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Find My &amp;Sexual Astrology Sign</source>
        <translation>&amp;Encontrar mi signo astrológico sexual</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Por favor, escribe solo letras</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Por favor, escribe tu nombre</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>¡Por favor, elige un día o un mes correcto!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>¡Por favor, elige un día o un mes correcto!</translation>
    </message>
    <message>
        <source>&amp;Time of Birth</source>
        <translation>&amp;Hora natal</translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation>Hora de nacimiento</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>the time of birth, when none is given</comment>
        <translation>no se sabe</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>the place of birth, when none is given</comment>
        <translation>no se sabe</translation>
    </message>
    <message>
        <source>Hours and minutes, such as 14:30; leave it empty if unknown</source>
        <translation>Horas y minutos, como 14:30; déjalo vacío si no la sabes</translation>
    </message>
    <message>
        <source>(optional)</source>
        <translation>(opcional)</translation>
    </message>
    <message>
        <source>&amp;Place of Birth</source>
        <translation>&amp;Ciudad natal</translation>
    </message>
    <message>
        <source>Place of birth</source>
        <translation>Lugar de nacimiento</translation>
    </message>
    <message>
        <source>A town or city, such as London; leave it empty if unknown</source>
        <translation>Una ciudad o un pueblo, como Madrid; déjalo vacío si no lo sabes</translation>
    </message>
    <message>
        <source>Please enter the time of birth as hours and minutes, such as 14:30, or leave it empty.</source>
        <translation>Por favor, escribe la hora de nacimiento en horas y minutos, como 14:30, o deja el campo vacío.</translation>
    </message>
    <message>
        <source>No place called &quot;%1&quot; is known. Please type a town or city, such as London, or leave it empty.</source>
        <translation>No se conoce ningún lugar llamado «%1». Por favor, escribe una ciudad o un pueblo, como Madrid, o deja el campo vacío.</translation>
    </message>
    <message>
        <source>The clocks there skipped %1 on that day, so no one was born at that time. Please check the time of birth.</source>
        <translation>Ese día los relojes de allí se saltaron las %1, así que nadie nació a esa hora. Por favor, revisa la hora de nacimiento.</translation>
    </message>
    <message>
        <source>That day was skipped there: the calendar went from the day before to the day after. Please check the date and place.</source>
        <translation>Allí se saltaron ese día: el calendario pasó directamente del día anterior al siguiente. Por favor, revisa la fecha y el lugar.</translation>
    </message>
    <message>
        <source>That moment falls outside %1 to %2 in UT, the years the program answers for.</source>
        <translation>En UT, ese momento queda fuera de los años %1 a %2, para los que responde el programa.</translation>
    </message>
</context>
<context>
    <name>frmNagScreen2</name>
    <message>
        <source>Starkindle icon</source>
        <translation>Icono de Starkindle</translation>
    </message>
    <message>
        <source>Download Corvane Softwares</source>
        <translation>Descargar programas de Corvane Softwares</translation>
    </message>
    <message>
        <source>Starkindle is one of a whole family of small programs from Corvane Softwares: astrology and numerology readings, personal organisers, learning aids and handy everyday tools. Most of them are free to download and try, and every one is made with the same care as this one. Spend a few minutes browsing the collection; you may find just the tool you have been looking for, or a pleasant surprise to share with a friend.</source>
        <translation>Starkindle forma parte de toda una familia de pequeños programas de Corvane Softwares: astrología y numerología, agendas personales, ayudas para el aprendizaje y herramientas prácticas para el día a día. Casi todos se pueden descargar y probar gratis, y todos están hechos con el mismo cuidado que este. Dedica unos minutos a explorar la colección; quizá encuentres justo la herramienta que buscabas, o una grata sorpresa para compartir con un amigo.</translation>
    </message>
    <message>
        <source>Click Here To Visit Corvane Softwares</source>
        <translation>Haz clic aquí para visitar Corvane Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomendar a un amigo</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Tu dirección de correo</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Nombre de tu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>Dirección de correo de tu amigo</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Recomendar &amp;ahora</translation>
    </message>
    <message>
        <source>Visit %1 now</source>
        <translation>Visitar %1 ahora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Corvane Softwares can only make and maintain programs like this one with your support, and the best support you can give is to visit the Corvane discussion forum regularly and take part in it.</source>
        <translation>Corvane Softwares solo puede crear y mantener programas como este con tu apoyo, y el mejor apoyo que puedes darnos es visitar con regularidad el foro de debate de Corvane y participar en él.</translation>
    </message>
    <message>
        <source>Please visit the Corvane discussion forum regularly and join in its discussions. Without you we cannot keep our programs maintained.</source>
        <translation>Visita con regularidad el foro de debate de Corvane y participa en sus conversaciones. Sin ti no podemos seguir manteniendo nuestros programas.</translation>
    </message>
    <message>
        <source>The Corvane discussion forum is a free online discussion forum. Please visit it regularly and help us maintain this program.</source>
        <translation>El foro de debate de Corvane es un foro en línea gratuito. Visítalo con regularidad y ayúdanos a mantener este programa.</translation>
    </message>
    <message>
        <source>The Corvane discussion forum needs your help. Please visit it regularly, so that we can develop more programs for you.</source>
        <translation>El foro de debate de Corvane necesita tu ayuda. Visítalo con regularidad para que podamos desarrollar más programas para ti.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Por favor, escribe dos direcciones de correo distintas</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Por favor, escribe una dirección de correo válida</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Una dirección de correo no puede contener espacios</translation>
    </message>
</context>
<context>
    <name>look</name>
    <message>
        <source>Opens a web page in your browser</source>
        <translation>Abre una página web en tu navegador</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Puede que haya una actualización disponible para este software</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>¿Quieres buscar una actualización?</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Your referral is too long to be sent. Please shorten your message.</source>
        <translation>Tu recomendación es demasiado larga para enviarla. Por favor, acorta tu mensaje.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Tu dirección de correo</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de tu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Dirección de correo de tu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Por favor, escribe tu nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Por favor, escribe tu dirección de correo</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Por favor, escribe tu mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Por favor, escribe el nombre de tu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Por favor, escribe la dirección de correo de tu amigo</translation>
    </message>
</context>
<context>
    <name>nodisplay</name>
    <message>
        <source>starkindle: no display could be opened: no X display, and the Wayland platform plugin is not installed (qt6-wayland)
</source>
        <translation>starkindle: no se pudo abrir ninguna pantalla: no hay pantalla X, y el complemento de plataforma Wayland no está instalado (qt6-wayland)
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened: DISPLAY is %1, and the Wayland platform plugin is not installed (qt6-wayland)
</source>
        <translation>starkindle: no se pudo abrir ninguna pantalla: DISPLAY es %1, y el complemento de plataforma Wayland no está instalado (qt6-wayland)
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened (DISPLAY is not set); start it from a graphical session
</source>
        <translation>starkindle: no se pudo abrir ninguna pantalla (DISPLAY no está definida); inicia el programa desde una sesión gráfica
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened (DISPLAY is %1); start it from a graphical session
</source>
        <translation>starkindle: no se pudo abrir ninguna pantalla (DISPLAY es %1); inicia el programa desde una sesión gráfica
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened: the X server of DISPLAY %1 dropped the connection %2 times in a row
</source>
        <translation>starkindle: no se pudo abrir ninguna pantalla: el servidor X de DISPLAY %1 cortó la conexión %2 veces seguidas
</translation>
    </message>
</context>
<context>
    <name>promotion</name>
    <message>
        <source>Talk it over in the Corvane forum at %1</source>
        <translation>Coméntalo en el foro de Corvane en %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Crea tu negocio en Internet y gana dinero en línea. Ofrece este software con tu marca en tu web. Haz clic aquí para más detalles.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Your name and links go on every copy your visitors take home; see the Help for details. Click Here for more info on co-branding.</source>
        <translation>Pon tu marca en este software para tu sitio. Tu nombre y tus enlaces irán en cada copia que se lleven tus visitantes; consulta la Ayuda. Haz clic aquí para saber más.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nuestra web</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganar dinero en &amp;línea</translation>
    </message>
</context>
<context>
    <name>startup</name>
    <message>
        <source>Application is already running</source>
        <translation>La aplicación ya se está ejecutando</translation>
    </message>
    <message>
        <source>Starkindle cannot start: it found no private folder for the lock that keeps a second copy from running. The system has no home folder on record for your user, and HOME is not a folder that only you can write to. Set HOME to such a folder and start Starkindle again.</source>
        <translation>Starkindle no puede iniciarse: no encontró ninguna carpeta privada para el bloqueo que impide ejecutar una segunda copia. El sistema no tiene registrada ninguna carpeta personal para tu usuario, y HOME no es una carpeta en la que solo tú puedas escribir. Haz que HOME apunte a una carpeta así y vuelve a iniciar Starkindle.</translation>
    </message>
</context>
</TS>
