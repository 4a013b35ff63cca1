<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Calendar</name>
    <message>
        <source>January</source>
        <translation>Январь</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Февраль</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Март</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Апрель</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Май</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Июнь</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Июль</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Август</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Сентябрь</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Октябрь</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Ноябрь</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Декабрь</translation>
    </message>
</context>
<context>
    <name>CalendarDate</name>
    <message>
        <source>January</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>января</translation>
    </message>
    <message>
        <source>February</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>февраля</translation>
    </message>
    <message>
        <source>March</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>марта</translation>
    </message>
    <message>
        <source>April</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>апреля</translation>
    </message>
    <message>
        <source>May</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>мая</translation>
    </message>
    <message>
        <source>June</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>июня</translation>
    </message>
    <message>
        <source>July</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>июля</translation>
    </message>
    <message>
        <source>August</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>августа</translation>
    </message>
    <message>
        <source>September</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>сентября</translation>
    </message>
    <message>
        <source>October</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>октября</translation>
    </message>
    <message>
        <source>November</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>ноября</translation>
    </message>
    <message>
        <source>December</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>декабря</translation>
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
        <translation>Знак взят из исходной таблицы, которая охватывает годы с %1 по %2.</translation>
    </message>
    <message>
        <source>On this day the table has Eros moving from %1 into %2; it gives no hour.</source>
        <translation>По таблице в этот день Эрос переходит из знака %1 в знак %2; час в ней не указан.</translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for %1 UT on this day.</source>
        <translation>Знак рассчитан по орбите Эроса от JPL на %1 UT этого дня.</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2.</source>
        <translation>Ответ для: %1, дата рождения: %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>days and hours</comment>
        <translation>%1 и %2</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n час</numerusform>
            <numerusform>%n часа</numerusform>
            <numerusform>%n часов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>hours and minutes</comment>
        <translation>%1 и %2</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n минуту</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>неполную минуту</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>two signs, when the birth time decides</comment>
        <translation>%1 или %2</translation>
    </message>
    <message>
        <source>%1 UT on %2</source>
        <comment>a moment in UT: time, date</comment>
        <translation>%1 UT %2</translation>
    </message>
    <message>
        <source>%1, which was %2 on %3 local time (%4)</source>
        <comment>a UT moment, then the local time, date and clock</comment>
        <translation>%1, то есть %2 %3 по местному времени (%4)</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2 at %3.</source>
        <translation>Ответ для: %1, дата рождения: %2, время: %3.</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2 at %3 in %4.</source>
        <translation>Ответ для: %1, дата рождения: %2, время: %3, место: %4.</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2 in %3.</source>
        <translation>Ответ для: %1, дата рождения: %2, место: %3.</translation>
    </message>
    <message>
        <source>No birthplace was given: this computer&apos;s time zone stands in for it.</source>
        <translation>Место рождения не указано: вместо него используется часовой пояс этого компьютера.</translation>
    </message>
    <message>
        <source>The clocks there showed that time twice: at %1 and at %2.</source>
        <translation>Часы там показывали это время дважды: в %1 и в %2.</translation>
    </message>
    <message>
        <source>You were born at %1 (%2).</source>
        <translation>Вы родились в %1 (%2).</translation>
    </message>
    <message>
        <source>You were born at %1.</source>
        <translation>Вы родились в %1.</translation>
    </message>
    <message>
        <source>You were born at %1 on %2 local time (%3), which was %4.</source>
        <translation>Вы родились в %1 %2 по местному времени (%3), то есть в %4.</translation>
    </message>
    <message>
        <source>Eros had entered %1 %2 before your birth and moved on into %3 %4 after it.</source>
        <translation>Эрос вошёл в знак %1 за %2 до вашего рождения и перешёл в знак %3 через %4 после него.</translation>
    </message>
    <message>
        <source>Eros moved from %1 into %2 at %3.</source>
        <translation>Эрос перешёл из знака %1 в знак %2 в %3.</translation>
    </message>
    <message>
        <source>If you were born before %1, Eros was in %2; if later, in %3.</source>
        <translation>Если вы родились раньше %1, Эрос был в знаке %2; если позже — в знаке %3.</translation>
    </message>
    <message>
        <source>%1 UT</source>
        <translation>%1 UT</translation>
    </message>
    <message>
        <source>%1 local time</source>
        <translation>%1 по местному времени</translation>
    </message>
    <message>
        <source>Give your time of birth for one sign.</source>
        <translation>Укажите время рождения, чтобы получить один знак.</translation>
    </message>
    <message>
        <source>Eros was then within %1″ of the boundary between %2 and %3, closer than the model&apos;s error: the sign could be either.</source>
        <translation>Эрос был тогда менее чем в %1″ от границы между знаками %2 и %3, то есть ближе, чем позволяет погрешность модели: знак может быть любым из двух.</translation>
    </message>
    <message>
        <source>retrograde ℞</source>
        <comment>Eros moving backwards through the signs</comment>
        <translation>в попятном движении ℞</translation>
    </message>
    <message>
        <source>In the computed sky Eros stood at %1.</source>
        <translation>На рассчитанном небе Эрос стоял в точке %1.</translation>
    </message>
    <message>
        <source>Eros stood at %1.</source>
        <translation>Эрос стоял в точке %1.</translation>
    </message>
    <message>
        <source>In the computed sky Eros stood at %1, %2.</source>
        <translation>На рассчитанном небе Эрос стоял в точке %1, %2.</translation>
    </message>
    <message>
        <source>Eros stood at %1, %2.</source>
        <translation>Эрос стоял в точке %1, %2.</translation>
    </message>
    <message>
        <source>Over the day in UT Eros moved from %1 to %2.</source>
        <translation>За сутки по UT Эрос прошёл от %1 до %2.</translation>
    </message>
    <message>
        <source>Over the local day Eros moved from %1 to %2.</source>
        <translation>За местные сутки Эрос прошёл от %1 до %2.</translation>
    </message>
    <message>
        <source>In the computed sky, over the day in UT, Eros moved from %1 to %2.</source>
        <translation>На рассчитанном небе за сутки по UT Эрос прошёл от %1 до %2.</translation>
    </message>
    <message>
        <source>In the computed sky, over the local day, Eros moved from %1 to %2.</source>
        <translation>На рассчитанном небе за местные сутки Эрос прошёл от %1 до %2.</translation>
    </message>
    <message>
        <source>Eros was %1 all day.</source>
        <translation>Весь день Эрос был %1.</translation>
    </message>
    <message>
        <source>Eros stood still at %1 and then turned %2.</source>
        <translation>Эрос остановился в %1, а затем был уже %2.</translation>
    </message>
    <message>
        <source>Eros stood still at %1 and then turned direct.</source>
        <translation>Эрос остановился в %1, а затем вернулся к прямому движению.</translation>
    </message>
    <message>
        <source>That is in %1, not in the table&apos;s %2, which the program keeps.</source>
        <translation>Это в знаке %1, а не в знаке %2 из таблицы, который программа сохраняет.</translation>
    </message>
    <message>
        <source>Eros at %1, %2</source>
        <translation>Эрос в точке %1, %2</translation>
    </message>
    <message>
        <source>retrograde</source>
        <translation>ретроградный</translation>
    </message>
    <message>
        <source>Eros at %1</source>
        <translation>Эрос в точке %1</translation>
    </message>
    <message>
        <source>A zodiac wheel with Eros at %1 and the Sun at %2.</source>
        <translation>Зодиакальный круг с Эросом в точке %1 и Солнцем в точке %2.</translation>
    </message>
    <message>
        <source>A zodiac wheel with Eros at %1.</source>
        <translation>Зодиакальный круг с Эросом в точке %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>a span of years</comment>
        <translation>%1–%2 годов</translation>
    </message>
    <message>
        <source>The computed sky has that change at %1.</source>
        <translation>По рассчитанному небу эта смена приходится на %1.</translation>
    </message>
    <message>
        <source>The reading shown is for %1, the sign before the change: by the computed sky, for births before %2 UT on %3.</source>
        <translation>Показанное толкование дано для знака %1, знака до смены: по рассчитанному небу — для рождений до %2 UT %3.</translation>
    </message>
    <message>
        <source>at the moment of your birth</source>
        <translation>в момент вашего рождения</translation>
    </message>
    <message>
        <source>at %1 UT on this day</source>
        <translation>в %1 UT этого дня</translation>
    </message>
    <message>
        <source>The computed sky puts Eros in %1 %2; for %3 the program keeps the original table&apos;s answer, %4.</source>
        <translation>По рассчитанному небу Эрос находился в знаке %1 %2; для %3 программа сохраняет ответ исходной таблицы — %4.</translation>
    </message>
    <message>
        <source>The reading shown is for %1, where the computed sky puts Eros; the program answers with the table&apos;s %2.</source>
        <translation>Показанное толкование дано для знака %1, где Эрос стоит по рассчитанному небу; программа отвечает знаком %2 из таблицы.</translation>
    </message>
    <message>
        <source>The computed sky has Eros moving from %1 into %2 at %3.</source>
        <translation>По рассчитанному небу Эрос переходит из знака %1 в знак %2 в %3.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births before %2.</source>
        <translation>Показанное толкование дано для знака %1: для рождений до %2.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births at or after %2.</source>
        <translation>Показанное толкование дано для знака %1: для рождений в %2 и позже.</translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for the moment of your birth.</source>
        <translation>Знак рассчитан по орбите Эроса от JPL на момент вашего рождения.</translation>
    </message>
    <message>
        <source>At the first Eros was in %1, at the second in %2.</source>
        <translation>В первый из этих моментов Эрос был в знаке %1, во второй — в знаке %2.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for a birth at the first of the two.</source>
        <translation>Показанное толкование дано для знака %1: для рождения в первый из двух моментов.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for a birth at the second of the two.</source>
        <translation>Показанное толкование дано для знака %1: для рождения во второй из двух моментов.</translation>
    </message>
    <message>
        <source>The reading shown is for %1, the sign Eros was in or entered within the model&apos;s error of your birth.</source>
        <translation>Показанное толкование дано для знака %1 — знака, в котором был Эрос или в который он вошёл в пределах погрешности модели от момента вашего рождения.</translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for the whole day at the birthplace.</source>
        <translation>Знак рассчитан по орбите Эроса от JPL на весь день в месте рождения.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births before %2 local time.</source>
        <translation>Показанное толкование дано для знака %1: для рождений до %2 по местному времени.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births at or after %2 local time.</source>
        <translation>Показанное толкование дано для знака %1: для рождений в %2 по местному времени и позже.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a position: degree and minute within the sign, the sign</comment>
        <translation>%1 знака %2</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>No web browser could be started to open this page. Install xdg-utils and a web browser, or copy the address below into a browser yourself.</source>
        <translation>Не удалось запустить браузер, чтобы открыть эту страницу. Установите xdg-utils и браузер или скопируйте адрес ниже в браузер самостоятельно.</translation>
    </message>
    <message>
        <source>No web browser could be started to open this page. Copy the address below into a browser yourself.</source>
        <translation>Не удалось запустить браузер, чтобы открыть эту страницу. Скопируйте адрес ниже в браузер самостоятельно.</translation>
    </message>
    <message>
        <source>Address of the page</source>
        <translation>Адрес страницы</translation>
    </message>
</context>
<context>
    <name>Sign</name>
    <message>
        <source>Aries</source>
        <translation>Овен</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Телец</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Близнецы</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Рак</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Лев</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Дева</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Весы</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Скорпион</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Стрелец</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Козерог</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Водолей</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Рыбы</translation>
    </message>
</context>
<context>
    <name>SignReadings</name>
    <message>
        <source>The placement or Eros in this cardinal fire sign is a spark thrown into dry grass. Mars, ruler of Aries, lends your desire speed and daring, so you fall for someone in a heartbeat and see no reason to wait for permission. You love the chase as much as the prize, and a partner who plays a little hard to get keeps your pulse racing. In bed you are direct, playful and generous with your energy, preferring honest hunger to coy games. Boredom is your real rival; routine cools you faster than any quarrel. Learn to linger, because tenderness shown slowly can be as thrilling as a sudden kiss. The lover who can match your courage and still slow you down now and then will hold your heart for a very long time.</source>
        <translation>Эрос в этом кардинальном огненном знаке — искра, брошенная в сухую траву. Марс, управитель Овна, придаёт вашему желанию скорость и смелость: вы влюбляетесь в одно мгновение и не видите причин ждать разрешения. Погоня волнует вас не меньше добычи, а тот, кто немного набивает себе цену, заставляет ваш пульс учащаться. В постели вы прямолинейны, игривы и щедры на энергию; честный голод вам милее жеманных игр. Ваш настоящий соперник — скука: рутина остужает вас быстрее любой ссоры. Научитесь не торопиться, ведь нежность, проявленная медленно, волнует не меньше внезапного поцелуя. Тот, кто сравнится с вами в смелости и всё же иногда сумеет вас притормозить, надолго завладеет вашим сердцем.</translation>
    </message>
    <message>
        <source>Dominated by the goddess of love, Venus, Taurus is steeped in sensual pleasure, and Eros here turns desire into something you can touch, taste and savour. You never hurry. Seduction for you is a long, slow dinner by candlelight, silk sheets, a favourite song and the warmth of skin against skin. Once you have chosen a partner you are loyal, affectionate and deeply devoted, and you expect the same steadiness in return. Your earthy nature makes you a patient, attentive lover who remembers precisely what pleases. Possessiveness can creep in when you feel insecure, so let trust do the work that jealousy never could. Given time and comfort, your passion grows richer every year.</source>
        <translation>Телец, которым управляет Венера, богиня любви, пропитан чувственным наслаждением, и Эрос превращает здесь желание в то, что можно потрогать, попробовать и смаковать. Вы никогда не спешите. Соблазнение для вас — долгий неторопливый ужин при свечах, шёлковые простыни, любимая песня и тепло кожи к коже. Выбрав партнёра, вы верны, ласковы и глубоко преданы и ждёте в ответ такого же постоянства. Земная натура наделяет вас в любви терпением и вниманием: вы точно помните, что доставляет удовольствие. Когда вы чувствуете неуверенность, может прокрасться собственничество, поэтому позвольте доверию сделать то, чего ревность не сделает никогда. Со временем и в уюте ваша страсть с каждым годом становится богаче.</translation>
    </message>
    <message>
        <source>When Eros is coupled with Gemini, the sign of communication, desire begins in the mind. Ruled by quick-witted Mercury, you are seduced by clever words, teasing messages and long late-night conversations that wander everywhere. A partner who cannot keep up with your banter will not hold your interest, however attractive. You like variety and flirt almost without noticing, which can make others wonder how serious you are. Love for you must stay light on its feet, curious and full of surprises; the cliché of roses every Friday leaves you cold. When you find someone who is both playmate and best friend, your restless airy heart settles happily at last.  </source>
        <translation>Когда Эрос соединяется с Близнецами, знаком общения, желание рождается в голове. Этим знаком управляет быстрый умом Меркурий, и вас соблазняют остроумные слова, дразнящие сообщения и долгие ночные разговоры обо всём на свете. Тот, кто не поспевает за вашими шутками, не удержит вашего интереса, как бы привлекателен он ни был. Вы любите разнообразие и флиртуете почти незаметно для себя, так что окружающие гадают, насколько вы серьёзны. Любовь для вас должна оставаться лёгкой, любопытной и полной сюрпризов; штамп с розами каждую пятницу вас не трогает. Когда вы находите того, кто одновременно и партнёр по играм, и самый близкий человек, ваше беспокойное воздушное сердце наконец счастливо успокаивается.</translation>
    </message>
    <message>
        <source>A person with Eros in Cancer is eager to share a home as well as a bed. Ruled by the Moon, this water sign makes your desire tidal, rising and falling with your moods and with how safe you feel.  You need emotional closeness before physical intimacy can truly flower, and you give yourself fully once you trust. Caring for a partner is one of your deepest pleasures: cooking for them, remembering their childhood stories, holding them close when the world outside turns harsh. Under your protective shell lies a sensitive and romantic soul who can be deeply hurt by a careless word. You may retreat when wounded, so a lover must learn patience. Treated tenderly, you return a devotion that lasts a lifetime. </source>
        <translation>Человек с Эросом в Раке стремится разделить не только постель, но и дом. Этим водным знаком управляет Луна, и ваше желание подобно приливу: оно поднимается и спадает вместе с настроением и с тем, насколько вы чувствуете себя в безопасности. Вам нужна эмоциональная близость, прежде чем физическая близость сможет по-настоящему расцвести, а доверившись, вы отдаётесь целиком. Заботиться о партнёре — одно из самых глубоких ваших удовольствий: готовить для любимого человека, помнить истории из его детства, крепко обнимать, когда мир снаружи становится суровым. Под защитным панцирем живёт чуткая романтичная душа, которую неосторожное слово может глубоко ранить. Обидевшись, вы можете замкнуться, поэтому тому, кто вас любит, придётся учиться терпению. В ответ на нежность вы дарите преданность на всю жизнь.</translation>
    </message>
    <message>
        <source>When Eros, the God of love occupies this fiery sign, romance becomes a grand performance and you are its radiant star. Ruled by the Sun, you love with warmth, generosity and a flair for drama. You want to be adored, admired and told so often, and in return you shower your partner with attention, gifts and loyal affection. Passion for you is bold and playful; you enjoy dressing up, setting the scene and making each night feel like an occasion. Pride is your weak spot, since a bruised ego can turn your fire into sulking. Choose a lover who applauds you sincerely and is confident enough to shine beside you. Together you can make a love story worth retelling.</source>
        <translation>Когда Эрос, бог любви, занимает этот огненный знак, роман становится большим спектаклем, а вы — его сияющей звездой. Этим знаком управляет Солнце, и вы любите с теплом, щедростью и вкусом к драме. Вы хотите, чтобы вас обожали и восхищались вами и почаще говорили об этом, а взамен осыпаете партнёра вниманием, подарками и верной нежностью. Ваша страсть смела и игрива: вы любите наряжаться, создавать обстановку и превращать каждую ночь в событие. Гордость — ваше слабое место, ведь уязвлённое самолюбие может превратить ваш огонь в обиду. Выбирайте того, кто искренне вам аплодирует и достаточно уверен в себе, чтобы сиять рядом с вами. Вместе вы сможете написать историю любви, которую стоит пересказывать.</translation>
    </message>
    <message>
        <source>Whimsical and moody at times, you are a fine combination of cool reason and hidden sensuality. Mercury rules this earth sign, so you study a potential partner carefully before you let anyone close, noticing each small gesture and each broken promise. Your standards are high and you can be critical, yet that same attention to detail makes you a thoughtful and devoted lover. You show affection through practical care, fixing what is broken, planning the perfect weekend, quietly remembering what your partner likes. Beneath a modest, reserved exterior lies a surprisingly earthy appetite that only a trusted lover ever sees. Let go of the need for perfection and allow yourself to be adored as you are, flaws and all, and passion will follow naturally</source>
        <translation>Порой в вас говорят каприз и переменчивость, но вы тонко сочетаете холодный рассудок и скрытую чувственность. Этим земным знаком управляет Меркурий, поэтому вы внимательно изучаете возможного партнёра, прежде чем подпустить кого-то близко, и замечаете каждый мелкий жест и каждое нарушенное обещание. Ваши требования высоки, и вы бываете критичны, но то же внимание к деталям делает вашу любовь заботливой и преданной. Нежность вы проявляете практической заботой: чините сломанное, планируете идеальные выходные, молча запоминаете, что любит партнёр. За скромной, сдержанной внешностью скрывается неожиданно земной аппетит, который видит лишь тот, кому вы доверяете. Отпустите стремление к совершенству и позвольте любить себя со всеми недостатками — и страсть придёт сама.</translation>
    </message>
    <message>
        <source>Taking part in many activities with your partner is essential to you, because for Libra love is a shared adventure rather than a private refuge. Venus rules this airy sign, giving you charm, grace and a keen eye for beauty. You are drawn to elegant, refined people and you court them with compliments, good taste and gentle persuasion. Harmony matters to you enormously; arguments upset your balance, and you may keep quiet rather than risk a scene. In intimacy you are considerate and romantic, always attentive to what pleases the other person. The risk is losing yourself in trying to be the perfect companion. Speak up for your own desires, and you will find a partnership of true equals. </source>
        <translation>Много делать вместе с партнёром для вас очень важно, ведь для Весов любовь — это скорее общее приключение, чем личное убежище. Этим воздушным знаком управляет Венера, она дарит вам обаяние, изящество и тонкое чувство прекрасного. Вас влекут элегантные, утончённые люди, и вы ухаживаете за ними с комплиментами, хорошим вкусом и мягкой настойчивостью. Гармония для вас необычайно важна; ссоры выбивают вас из равновесия, и вы скорее промолчите, чем рискнёте устроить сцену. В близости вы внимательны и романтичны и всегда чутки к тому, что приятно другому. Опасность в том, чтобы потерять себя, стараясь быть для другого идеалом. Говорите о собственных желаниях, и вы найдёте союз по-настоящему равных.</translation>
    </message>
    <message>
        <source>The most intriguing position of 12 zodiacs, Eros is all intensity in Scorpio. Ruled by Pluto and Mars, this water sign gives you a magnetic, nearly hypnotic pull that others feel the very moment you walk into a crowded room. Desire for you is never casual; you want to merge body and soul with a partner and discover every secret they keep. Your passion is deep, loyal and transformative, yet you guard your own vulnerability fiercely. Jealousy and a need to control can surface when trust is shaken, and you rarely if ever forgive betrayal. A lover who is honest, brave and unafraid of emotional depth will share with you a bond unlike any other. </source>
        <translation>Самое интригующее положение из двенадцати знаков: в Скорпионе Эрос — сама страсть. Этим водным знаком управляют Плутон и Марс, наделяя вас магнетическим, почти гипнотическим притяжением, которое другие чувствуют в тот миг, когда вы входите в людный зал. Желание для вас никогда не бывает случайным; вы хотите слиться с партнёром душой и телом и узнать все его тайны. Ваша страсть глубока, верна и преображает, но собственную уязвимость вы яростно оберегаете. Ревность и желание всё контролировать могут проявиться, когда доверие пошатнётся, а предательство вы прощаете редко, если вообще прощаете. Тот, кто честен, смел и не боится эмоциональной глубины, разделит с вами связь, не похожую ни на какую другую.</translation>
    </message>
    <message>
        <source>If you have Eros in Sagittarius, you are keen to explore the world and your own heart with equal enthusiasm. Jupiter, the planet of expansion, rules this fire sign, so your love life tends to be generous, optimistic and full of laughter.  You are attracted to people from different backgrounds, bold thinkers and fellow travellers who can talk philosophy over breakfast in a foreign city. Freedom is precious; a partner who tries to fence you in will soon find the gate open and you gone. In bed you are spontaneous, open-minded and cheerful, treating pleasure as one more adventure. Honesty comes naturally, though sometimes too bluntly for gentler hearts. Commitment is possible when it feels like a journey rather than a cage. Share your dreams, pack light, and let your lover walk beside you rather than behind you, and the road ahead will be bright. </source>
        <translation>Если ваш Эрос в Стрельце, вы с одинаковым жаром открываете мир и собственное сердце. Этим огненным знаком управляет Юпитер, планета роста, поэтому ваша любовная жизнь обычно щедра, оптимистична и полна смеха. Вас притягивают люди иного происхождения, смелые мыслители и попутчики, с которыми можно обсуждать философию за завтраком в чужом городе. Свобода бесценна: тот, кто попытается вас огородить, скоро найдёт калитку открытой, а вас — далеко. В постели вы непосредственны, открыты и жизнерадостны и видите в наслаждении ещё одно приключение. Честность даётся вам легко, хотя порой она слишком резка для нежных сердец. Обязательства возможны, когда они похожи на путешествие, а не на клетку. Делитесь мечтами, путешествуйте налегке и позвольте любимому человеку идти рядом, а не позади, — и дорога впереди будет светлой.</translation>
    </message>
    <message>
        <source>Judgmental in your attitude towards others, you will never indulge in a romance that you consider unworthy of your time. Saturn rules this earth sign, making you cautious, ambitious and reserved in matters of the heart. You take love seriously and prefer a partner with status, discipline and clear goals. Courtship with you is slow and deliberate, and some may mistake your restraint for coldness. Yet behind that composed exterior lies a strong physical nature and a surprisingly dry, wicked sense of humour. Once committed, you are faithful, protective and dependable, building a relationship as carefully as a career. Allow yourself to relax and play, because even the most solid mountain needs spring.</source>
        <translation>Вы строго судите других и никогда не позволите себе роман, который считаете недостойным вашего времени. Этим земным знаком управляет Сатурн, наделяя вас осторожностью, честолюбием и сдержанностью в сердечных делах. Вы относитесь к любви серьёзно и предпочитаете партнёра с положением, дисциплиной и ясными целями. Ухаживаете вы медленно и обдуманно, и кто-то может принять вашу сдержанность за холодность. Но за этой невозмутимой внешностью скрываются сильная чувственная натура и неожиданно сухое, озорное чувство юмора. Связав себя обязательствами, вы верны, заботливы и надёжны и строите отношения так же тщательно, как карьеру. Позвольте себе расслабиться и поиграть, ведь даже самой прочной горе нужна весна.</translation>
    </message>
    <message>
        <source>Following the same well-trodden path is not your way of loving. With Eros in this air sign ruled by Uranus, you are drawn to the unusual, the eccentric and the gifted. Friendship is the foundation of every romance for you, and a partner must first win your mind before winning your body. You value independence highly and can seem detached, even when your feelings run strong. Unconventional arrangements do not frighten you, and you enjoy experimenting with new ideas in love as in life. Possessive or clingy lovers make you feel trapped. Someone who respects your space, shares your ideals and surprises you now and then will find you loyal in your own original way. </source>
        <translation>Идти по проторённой дорожке — не ваш способ любить. С Эросом в этом воздушном знаке, которым управляет Уран, вас влечёт необычное, эксцентричное и одарённое. Дружба для вас — основа любого романа, и партнёр должен сначала покорить ваш ум, а уже потом тело. Вы высоко цените независимость и можете производить впечатление отстранённости, даже когда чувства сильны. Нетрадиционные отношения вас не пугают, и вам нравится пробовать новое в любви, как и в жизни. Рядом с собственниками и теми, кто цепляется, вы чувствуете себя в ловушке. Тот, кто уважает ваше пространство, разделяет ваши идеалы и время от времени удивляет вас, найдёт в вас верность — свою, особенную.</translation>
    </message>
    <message>
        <source>In this sign, Eros loses his self assertive ego even as he gains a boundless capacity for tenderness. Ruled by Neptune, this water sign makes you dreamy, compassionate and deeply romantic. You long for a soul mate and may idealise a lover, seeing the poet rather than the person. Intimacy for you is a spiritual experience as much as a physical one, full of soft music, candlelight and whispered fantasies. You sense a partner&apos;s needs intuitively and give without ever keeping score. Be wary of rescuing wounded souls, since sacrifice can turn into a sad cliché of the martyr in love. With a kind and grounded companion, your imagination turns love into poetry.</source>
        <translation>В этом знаке Эрос теряет своё самоуверенное эго, но обретает безграничную способность к нежности. Этим водным знаком управляет Нептун, наделяя вас мечтательностью, состраданием и глубокой романтичностью. Вы тоскуете по родственной душе и порой идеализируете любимого человека, видя в нём скорее поэта, чем живую личность. Близость для вас — переживание столь же духовное, сколь физическое, полное тихой музыки, света свечей и шёпотом рассказанных фантазий. Вы интуитивно чувствуете потребности партнёра и отдаёте, никогда не ведя счёт. Остерегайтесь спасать раненые души: жертвенность может стать грустным штампом о мученике любви. Рядом с добрым человеком, твёрдо стоящим на земле, ваше воображение превращает любовь в поэзию.</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>starkindle: cannot write the answer: %1
</source>
        <translation>starkindle: не удаётся записать ответ: %1
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a date from %2-01-01 to %3-12-31 (YYYY-MM-DD, optionally with THH:MM and Z, +HH:MM or -HH:MM)
</source>
        <translation>starkindle: «%1» — не дата с %2-01-01 по %3-12-31 (ГГГГ-ММ-ДД, возможно с THH:MM и Z, +HH:MM или -HH:MM)
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is a local time the clocks skip in this time zone
</source>
        <translation>starkindle: «%1» — местное время, которое часы в этом часовом поясе пропускают
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a moment from %2-01-01T00:00Z to %3-12-31T23:59Z
</source>
        <translation>starkindle: «%1» — не момент с %2-01-01T00:00Z по %3-12-31T23:59Z
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; happens twice in this time zone, in two signs: add its UTC offset (+HH:MM or -HH:MM)
</source>
        <translation>starkindle: «%1» наступает в этом часовом поясе дважды, в двух знаках: добавьте смещение от UTC (+HH:MM или -HH:MM)
</translation>
    </message>
    <message>
        <source>starkindle: option &apos;--sign&apos; needs at least one date
</source>
        <translation>starkindle: параметру «--sign» нужна хотя бы одна дата
</translation>
    </message>
    <message>
        <source>starkindle: cannot read standard input: %1
</source>
        <translation>starkindle: не удаётся прочитать стандартный ввод: %1
</translation>
    </message>
    <message>
        <source>starkindle: option &apos;%1&apos; needs a value
</source>
        <translation>starkindle: параметру «%1» нужно значение
</translation>
    </message>
    <message>
        <source>starkindle: unrecognized option &apos;%1&apos;
</source>
        <translation>starkindle: неизвестный параметр «%1»
</translation>
    </message>
    <message>
        <source>starkindle: unexpected argument &apos;%1&apos;
</source>
        <translation>starkindle: неожиданный аргумент «%1»
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
        <translation>Использование: starkindle [ПАРАМЕТР]...
          или: starkindle --sign [--zone ПОЯС | --place МЕСТО]
                          ДАТА[THH:MM[СМЕЩЕНИЕ]]...
Сообщает знак зодиака, в котором стоял астероид Эрос в день рождения между %1
и %2 годами, с толкованием этого знака.
Для %3–%4 годов знак берётся из исходной таблицы программы, для остальных
лет — из эфемериды, рассчитанной по орбите Эроса от JPL, на 12:00 UT этой даты.

Параметры:
  -h, --help         показать эту справку и выйти
      --version      показать версию и выйти
      --sign ДАТА...
                     вывести «ДАТА ЗНАК» для каждой даты (ГГГГ-ММ-ДД, с
                     %1-01-01 по %2-12-31) и выйти, экран не нужен. Со
                     временем (THH:MM, затем Z для UT, СМЕЩЕНИЕ +HH:MM или
                     -HH:MM либо ничего для местного времени) — знак в этот
                     момент; для %3–%4 годов ответ по-прежнему даётся по
                     дате в записанном виде. «-» читает даты со стандартного
                     ввода, по одной в строке. Отклонённая дата называется в
                     стандартном потоке ошибок, на остальные даётся ответ, а
                     код возврата равен 2.
      --zone ПОЯС    читать местное время и дни в часовом поясе IANA ПОЯС
                     (например, Europe/London) с учётом его истории
      --place МЕСТО  читать их там, где находится МЕСТО (самый населённый пункт
                     с таким названием; «МЕСТО, CC» — в одной стране), и
                     называть его после каждого ответа
      --json         вместо этого выводить по одному объекту JSON в строке:
                     input, utc, sign, longitude (градусы), degree (в знаке),
                     retrograde, source (table или ephemeris), zone и offset;
                     sky_sign, если знак градуса не совпадает со знаком ответа,
                     later_sign и change в день с двумя знаками, place при
                     --place
      --csv          то же в формате CSV, после строки заголовка
  --                 конец параметров: всё дальнейшее — даты

Местное время берётся из TZ, иначе — системное. TZ, не называющая часовой пояс
(например, TZ=Foo/Bar), отклоняется для времени без смещения, а не принимается
за UT. С --zone или --place одна дата даёт ответ на весь местный день: его знак
или оба знака и местное время смены.

Принимаются и собственные параметры Qt, в том числе -platform ИМЯ,
-display ДИСПЛЕЙ, -style СТИЛЬ и -reverse.
Программе нужен графический сеанс (X11 или Wayland с qt6-wayland).
</translation>
    </message>
    <message>
        <source>Try &apos;starkindle --help&apos; for more information.
</source>
        <translation>Для получения справки введите «starkindle --help».
</translation>
    </message>
    <message>
        <source>starkindle: TZ=&apos;%1&apos; names no time zone: use --zone AREA/CITY, or give the time&apos;s UTC offset
</source>
        <translation>starkindle: TZ=«%1» не называет часовой пояс: используйте --zone РЕГИОН/ГОРОД или укажите смещение времени от UTC
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is a day this time zone skipped
</source>
        <translation>starkindle: «%1» — день, пропущенный в этом часовом поясе
</translation>
    </message>
    <message>
        <source>starkindle: options &apos;--zone&apos;, &apos;--place&apos;, &apos;--json&apos; and &apos;--csv&apos; go with &apos;--sign&apos;
</source>
        <translation>starkindle: параметры «--zone», «--place», «--json» и «--csv» используются только вместе с «--sign»
</translation>
    </message>
    <message>
        <source>starkindle: give &apos;--zone&apos; or &apos;--place&apos;, not both
</source>
        <translation>starkindle: укажите «--zone» или «--place», но не оба
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a time zone (AREA/CITY, such as Europe/London)
</source>
        <translation>starkindle: «%1» — не часовой пояс (РЕГИОН/ГОРОД, например Europe/London)
</translation>
    </message>
    <message>
        <source>starkindle: no place called &apos;%1&apos; is known
</source>
        <translation>starkindle: место с названием «%1» неизвестно
</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Starkindle icon</source>
        <translation>Значок Starkindle</translation>
    </message>
    <message>
        <source>Starkindle describes the placement of the asteroid Eros in your birth chart. This asteroid is also known as the Cupid. This sign helps you understand yourself and know more about your sexual urges and passionate feelings. It gives you an insight to your creative feelings. All rights to this software are reserved by Corvane Softwares.</source>
        <translation>Starkindle описывает положение астероида Эрос, которого также называют Купидоном, в вашей натальной карте. Его знак помогает понять себя, больше узнать о своих сексуальных влечениях и страстях и о своей творческой стороне. Все права на эту программу принадлежат Corvane Softwares.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Посетите %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Бизнес на дому: откройте своё дело в интернете и зарабатывайте онлайн. Получите эту программу полностью под маркой вашего сайта.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Подробнее</translation>
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
        <translation>Сексуальный знак зодиака</translation>
    </message>
    <message>
        <source>Eros is the god of sexual love and desire.</source>
        <translation>Эрос — бог чувственной любви и желания.</translation>
    </message>
    <message>
        <source>Eros in your Chart is Placed in</source>
        <translation>В вашей карте Эрос стоит в знаке</translation>
    </message>
    <message>
        <source>Your sexual astrology sign</source>
        <translation>Ваш сексуальный знак зодиака</translation>
    </message>
    <message>
        <source>The reading for your sign</source>
        <translation>Толкование вашего знака</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>About This Answer</source>
        <translation>Об этом ответе</translation>
    </message>
    <message>
        <source>Notes on your sign</source>
        <translation>Примечания к вашему знаку</translation>
    </message>
    <message>
        <source>Swaps the sign and reading above for those of the other part of the day</source>
        <translation>Заменяет знак и толкование выше на знак и толкование другой части дня</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Проверить &amp;обновления</translation>
    </message>
    <message>
        <source>&amp;Show the reading for %1</source>
        <translation>Показать &amp;толкование знака %1</translation>
    </message>
    <message>
        <source>Eros in your Chart is Placed in %1. %2</source>
        <translation>В вашей карте Эрос стоит в знаке %1. %2</translation>
    </message>
    <message>
        <source>Save &amp;Picture...</source>
        <translation>Сохранить &amp;изображение...</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Сохранить изображение</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Изображение PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved in %1.</source>
        <translation>Не удалось сохранить изображение в %1.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Starkindle describes the placement of the asteroid Eros in your birth chart. This helps you know more about the sexual, passion, love and erotic side of your nature</source>
        <translation>Starkindle описывает положение астероида Эрос в вашей натальной карте. Так вы больше узнаете о сексуальной, страстной, любовной и эротической стороне своей натуры.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Дата рожд.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>дд</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>мм</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>гггг</translation>
    </message>
    <message>
        <source>Find My &amp;Sexual Astrology Sign</source>
        <translation>Найти мой сексуальный &amp;знак</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Проверить &amp;обновления</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Вводите только буквы</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Введите своё имя</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Введите правильный день или месяц!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Введите правильный день или месяц!</translation>
    </message>
    <message>
        <source>&amp;Time of Birth</source>
        <translation>Время &amp;рожд.</translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation>Время рождения</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>the time of birth, when none is given</comment>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>the place of birth, when none is given</comment>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>Hours and minutes, such as 14:30; leave it empty if unknown</source>
        <translation>Часы и минуты, например 14:30; оставьте пустым, если неизвестно</translation>
    </message>
    <message>
        <source>(optional)</source>
        <translation>(необязательно)</translation>
    </message>
    <message>
        <source>&amp;Place of Birth</source>
        <translation>&amp;Место рожд.</translation>
    </message>
    <message>
        <source>Place of birth</source>
        <translation>Место рождения</translation>
    </message>
    <message>
        <source>A town or city, such as London; leave it empty if unknown</source>
        <translation>Город или посёлок, например London; оставьте пустым, если неизвестно</translation>
    </message>
    <message>
        <source>Please enter the time of birth as hours and minutes, such as 14:30, or leave it empty.</source>
        <translation>Введите время рождения в часах и минутах, например 14:30, или оставьте поле пустым.</translation>
    </message>
    <message>
        <source>No place called &quot;%1&quot; is known. Please type a town or city, such as London, or leave it empty.</source>
        <translation>Место с названием «%1» неизвестно. Введите город или посёлок, например London, или оставьте поле пустым.</translation>
    </message>
    <message>
        <source>The clocks there skipped %1 on that day, so no one was born at that time. Please check the time of birth.</source>
        <translation>В тот день часы там пропустили %1, поэтому в это время никто не родился. Проверьте время рождения.</translation>
    </message>
    <message>
        <source>That day was skipped there: the calendar went from the day before to the day after. Please check the date and place.</source>
        <translation>Там этот день был пропущен: календарь перешёл с предыдущего дня сразу на следующий. Проверьте дату и место.</translation>
    </message>
    <message>
        <source>That moment falls outside %1 to %2 in UT, the years the program answers for.</source>
        <translation>Этот момент лежит вне %1–%2 годов по UT, для которых программа даёт ответ.</translation>
    </message>
</context>
<context>
    <name>frmNagScreen2</name>
    <message>
        <source>Starkindle icon</source>
        <translation>Значок Starkindle</translation>
    </message>
    <message>
        <source>Download Corvane Softwares</source>
        <translation>Скачать программы Corvane Softwares</translation>
    </message>
    <message>
        <source>Starkindle is one of a whole family of small programs from Corvane Softwares: astrology and numerology readings, personal organisers, learning aids and handy everyday tools. Most of them are free to download and try, and every one is made with the same care as this one. Spend a few minutes browsing the collection; you may find just the tool you have been looking for, or a pleasant surprise to share with a friend.</source>
        <translation>Starkindle входит в целое семейство небольших программ Corvane Softwares: астрологические и нумерологические толкования, органайзеры, учебные пособия и удобные инструменты на каждый день. Большинство можно скачать и попробовать бесплатно, и каждая сделана с той же заботой, что и эта. Уделите несколько минут коллекции: возможно, вы найдёте именно тот инструмент, который искали, или приятный сюрприз для друга.</translation>
    </message>
    <message>
        <source>Click Here To Visit Corvane Softwares</source>
        <translation>Нажмите, чтобы посетить Corvane Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Порекомендуйте другу</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Ваш адрес эл. почты</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Имя друга</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>Адрес эл. почты друга</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>По&amp;рекомендовать</translation>
    </message>
    <message>
        <source>Visit %1 now</source>
        <translation>Посетите %1</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Corvane Softwares can only make and maintain programs like this one with your support, and the best support you can give is to visit the Corvane discussion forum regularly and take part in it.</source>
        <translation>Corvane Softwares может создавать и поддерживать такие программы только благодаря вашей поддержке, и лучшее, что вы можете сделать, — регулярно заходить на форум Corvane и участвовать в обсуждениях.</translation>
    </message>
    <message>
        <source>Please visit the Corvane discussion forum regularly and join in its discussions. Without you we cannot keep our programs maintained.</source>
        <translation>Регулярно заходите на форум Corvane и участвуйте в обсуждениях. Без вас мы не сможем поддерживать наши программы.</translation>
    </message>
    <message>
        <source>The Corvane discussion forum is a free online discussion forum. Please visit it regularly and help us maintain this program.</source>
        <translation>Форум Corvane — бесплатный форум в интернете. Регулярно заходите на него и помогите нам поддерживать эту программу.</translation>
    </message>
    <message>
        <source>The Corvane discussion forum needs your help. Please visit it regularly, so that we can develop more programs for you.</source>
        <translation>Форуму Corvane нужна ваша помощь. Регулярно заходите на него, чтобы мы могли создавать для вас новые программы.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Введите два разных адреса эл. почты</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Введите правильный адрес эл. почты</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Адрес эл. почты не может содержать пробелы</translation>
    </message>
</context>
<context>
    <name>look</name>
    <message>
        <source>Opens a web page in your browser</source>
        <translation>Открывает веб-страницу в браузере</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Возможно, для этой программы есть обновление</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Проверить наличие обновления?</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Your referral is too long to be sent. Please shorten your message.</source>
        <translation>Рекомендация слишком длинная для отправки. Сократите сообщение.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ваш адрес эл. почты</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ваше сообщение</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Имя друга</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Адрес эл. почты друга</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Введите своё имя</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Введите свой адрес эл. почты</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Введите сообщение</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Введите имя друга</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Введите адрес эл. почты друга</translation>
    </message>
</context>
<context>
    <name>nodisplay</name>
    <message>
        <source>starkindle: no display could be opened: no X display, and the Wayland platform plugin is not installed (qt6-wayland)
</source>
        <translation>starkindle: не удалось открыть дисплей: нет дисплея X, а модуль платформы Wayland не установлен (qt6-wayland)
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened: DISPLAY is %1, and the Wayland platform plugin is not installed (qt6-wayland)
</source>
        <translation>starkindle: не удалось открыть дисплей: DISPLAY равен %1, а модуль платформы Wayland не установлен (qt6-wayland)
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened (DISPLAY is not set); start it from a graphical session
</source>
        <translation>starkindle: не удалось открыть дисплей (DISPLAY не задан); запустите программу из графического сеанса
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened (DISPLAY is %1); start it from a graphical session
</source>
        <translation>starkindle: не удалось открыть дисплей (DISPLAY равен %1); запустите программу из графического сеанса
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened: the X server of DISPLAY %1 dropped the connection %2 times in a row
</source>
        <translation>starkindle: не удалось открыть дисплей: X-сервер DISPLAY %1 %2 раз подряд разорвал соединение
</translation>
    </message>
</context>
<context>
    <name>promotion</name>
    <message>
        <source>Talk it over in the Corvane forum at %1</source>
        <translation>Обсудите это на форуме Corvane: %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Бизнес на дому: откройте своё дело в интернете и зарабатывайте онлайн. Получите эту программу под маркой вашего сайта. Нажмите, чтобы узнать больше.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Your name and links go on every copy your visitors take home; see the Help for details. Click Here for more info on co-branding.</source>
        <translation>Выпустите программу под своей маркой: ваше имя и ссылки будут в каждой копии, которую скачают ваши посетители; см. справку. Нажмите здесь, чтобы узнать больше.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Справка в &amp;интернете</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Посетить наш сайт</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>О про&amp;грамме</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Поддержать</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Зара&amp;ботать онлайн</translation>
    </message>
</context>
<context>
    <name>startup</name>
    <message>
        <source>Application is already running</source>
        <translation>Программа уже запущена</translation>
    </message>
    <message>
        <source>Starkindle cannot start: it found no private folder for the lock that keeps a second copy from running. The system has no home folder on record for your user, and HOME is not a folder that only you can write to. Set HOME to such a folder and start Starkindle again.</source>
        <translation>Starkindle не может запуститься: не найдена личная папка для блокировки, которая не даёт запустить вторую копию. В системе не указана домашняя папка вашего пользователя, а HOME — не папка, в которую можете писать только вы. Укажите в HOME такую папку и запустите Starkindle снова.</translation>
    </message>
</context>
</TS>
