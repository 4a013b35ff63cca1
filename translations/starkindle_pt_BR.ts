<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Calendar</name>
    <message>
        <source>January</source>
        <translation>Janeiro</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Fevereiro</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Março</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junho</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julho</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Setembro</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Outubro</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembro</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezembro</translation>
    </message>
</context>
<context>
    <name>CalendarDate</name>
    <message>
        <source>January</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>janeiro</translation>
    </message>
    <message>
        <source>February</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>fevereiro</translation>
    </message>
    <message>
        <source>March</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>março</translation>
    </message>
    <message>
        <source>April</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>maio</translation>
    </message>
    <message>
        <source>June</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>junho</translation>
    </message>
    <message>
        <source>July</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>julho</translation>
    </message>
    <message>
        <source>August</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>setembro</translation>
    </message>
    <message>
        <source>October</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>outubro</translation>
    </message>
    <message>
        <source>November</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>novembro</translation>
    </message>
    <message>
        <source>December</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation>dezembro</translation>
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
        <translation>%1º de %2 de %3</translation>
    </message>
    <message>
        <source>The sign comes from the original table, which covers %1 to %2.</source>
        <translation>O signo vem da tabela original, que abrange de %1 a %2.</translation>
    </message>
    <message>
        <source>On this day the table has Eros moving from %1 into %2; it gives no hour.</source>
        <translation>Segundo a tabela, nesse dia Eros passa de %1 para %2; ela não indica a hora.</translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for %1 UT on this day.</source>
        <translation>O signo é calculado a partir da órbita de Eros publicada pelo JPL, para as %1 UT desse dia.</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2.</source>
        <translation>Resposta para %1, data de nascimento: %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>days and hours</comment>
        <translation>%1 e %2</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n dia</numerusform>
            <numerusform>%n dias</numerusform>
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
        <translation>%1 e %2</translation>
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
        <translation>menos de um minuto</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>two signs, when the birth time decides</comment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1 UT on %2</source>
        <comment>a moment in UT: time, date</comment>
        <translation>%1 UT de %2</translation>
    </message>
    <message>
        <source>%1, which was %2 on %3 local time (%4)</source>
        <comment>a UT moment, then the local time, date and clock</comment>
        <translation>%1, ou seja, %2 de %3 no horário local (%4)</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2 at %3.</source>
        <translation>Resposta para %1, data de nascimento: %2 às %3.</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2 at %3 in %4.</source>
        <translation>Resposta para %1, data de nascimento: %2 às %3, em %4.</translation>
    </message>
    <message>
        <source>Answer for %1, born on %2 in %3.</source>
        <translation>Resposta para %1, data de nascimento: %2, em %3.</translation>
    </message>
    <message>
        <source>No birthplace was given: this computer&apos;s time zone stands in for it.</source>
        <translation>Nenhum local de nascimento foi informado: o fuso horário deste computador é usado no lugar dele.</translation>
    </message>
    <message>
        <source>The clocks there showed that time twice: at %1 and at %2.</source>
        <translation>Os relógios de lá marcaram esse horário duas vezes: às %1 e às %2.</translation>
    </message>
    <message>
        <source>You were born at %1 (%2).</source>
        <translation>Você nasceu às %1 (%2).</translation>
    </message>
    <message>
        <source>You were born at %1.</source>
        <translation>Você nasceu às %1.</translation>
    </message>
    <message>
        <source>You were born at %1 on %2 local time (%3), which was %4.</source>
        <translation>Você nasceu às %1 de %2 no horário local (%3), ou seja, às %4.</translation>
    </message>
    <message>
        <source>Eros had entered %1 %2 before your birth and moved on into %3 %4 after it.</source>
        <translation>Eros tinha entrado em %1 %2 antes do seu nascimento e passou para %3 %4 depois.</translation>
    </message>
    <message>
        <source>Eros moved from %1 into %2 at %3.</source>
        <translation>Eros passou de %1 para %2 às %3.</translation>
    </message>
    <message>
        <source>If you were born before %1, Eros was in %2; if later, in %3.</source>
        <translation>Se você nasceu antes das %1, Eros estava em %2; se depois, em %3.</translation>
    </message>
    <message>
        <source>%1 UT</source>
        <translation>%1 UT</translation>
    </message>
    <message>
        <source>%1 local time</source>
        <translation>%1 no horário local</translation>
    </message>
    <message>
        <source>Give your time of birth for one sign.</source>
        <translation>Informe sua hora de nascimento para obter um único signo.</translation>
    </message>
    <message>
        <source>Eros was then within %1″ of the boundary between %2 and %3, closer than the model&apos;s error: the sign could be either.</source>
        <translation>Eros estava então a menos de %1″ do limite entre %2 e %3, dentro da margem de erro do modelo: o signo pode ser qualquer um dos dois.</translation>
    </message>
    <message>
        <source>retrograde ℞</source>
        <comment>Eros moving backwards through the signs</comment>
        <translation>retrógrado ℞</translation>
    </message>
    <message>
        <source>In the computed sky Eros stood at %1.</source>
        <translation>No céu calculado, Eros estava em %1.</translation>
    </message>
    <message>
        <source>Eros stood at %1.</source>
        <translation>Eros estava em %1.</translation>
    </message>
    <message>
        <source>In the computed sky Eros stood at %1, %2.</source>
        <translation>No céu calculado, Eros estava em %1, %2.</translation>
    </message>
    <message>
        <source>Eros stood at %1, %2.</source>
        <translation>Eros estava em %1, %2.</translation>
    </message>
    <message>
        <source>Over the day in UT Eros moved from %1 to %2.</source>
        <translation>Ao longo do dia em UT, Eros passou de %1 para %2.</translation>
    </message>
    <message>
        <source>Over the local day Eros moved from %1 to %2.</source>
        <translation>Ao longo do dia local, Eros passou de %1 para %2.</translation>
    </message>
    <message>
        <source>In the computed sky, over the day in UT, Eros moved from %1 to %2.</source>
        <translation>No céu calculado, ao longo do dia em UT, Eros passou de %1 para %2.</translation>
    </message>
    <message>
        <source>In the computed sky, over the local day, Eros moved from %1 to %2.</source>
        <translation>No céu calculado, ao longo do dia local, Eros passou de %1 para %2.</translation>
    </message>
    <message>
        <source>Eros was %1 all day.</source>
        <translation>Eros ficou %1 o dia todo.</translation>
    </message>
    <message>
        <source>Eros stood still at %1 and then turned %2.</source>
        <translation>Eros ficou estacionário às %1 e depois se tornou %2.</translation>
    </message>
    <message>
        <source>Eros stood still at %1 and then turned direct.</source>
        <translation>Eros ficou estacionário às %1 e depois voltou a ser direto.</translation>
    </message>
    <message>
        <source>That is in %1, not in the table&apos;s %2, which the program keeps.</source>
        <translation>Isso fica em %1, e não em %2, o signo da tabela, que o programa mantém.</translation>
    </message>
    <message>
        <source>Eros at %1, %2</source>
        <translation>Eros em %1, %2</translation>
    </message>
    <message>
        <source>retrograde</source>
        <translation>retrógrado</translation>
    </message>
    <message>
        <source>Eros at %1</source>
        <translation>Eros em %1</translation>
    </message>
    <message>
        <source>A zodiac wheel with Eros at %1 and the Sun at %2.</source>
        <translation>Uma roda do zodíaco com Eros em %1 e o Sol em %2.</translation>
    </message>
    <message>
        <source>A zodiac wheel with Eros at %1.</source>
        <translation>Uma roda do zodíaco com Eros em %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>a span of years</comment>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>The computed sky has that change at %1.</source>
        <translation>No céu calculado, essa mudança ocorre às %1.</translation>
    </message>
    <message>
        <source>The reading shown is for %1, the sign before the change: by the computed sky, for births before %2 UT on %3.</source>
        <translation>A interpretação mostrada é a de %1, o signo anterior à mudança: segundo o céu calculado, para nascimentos antes das %2 UT de %3.</translation>
    </message>
    <message>
        <source>at the moment of your birth</source>
        <translation>no momento do seu nascimento</translation>
    </message>
    <message>
        <source>at %1 UT on this day</source>
        <translation>às %1 UT desse dia</translation>
    </message>
    <message>
        <source>The computed sky puts Eros in %1 %2; for %3 the program keeps the original table&apos;s answer, %4.</source>
        <translation>No céu calculado, Eros está em %1 %2; para os anos %3 o programa mantém a resposta da tabela original, %4.</translation>
    </message>
    <message>
        <source>The reading shown is for %1, where the computed sky puts Eros; the program answers with the table&apos;s %2.</source>
        <translation>A interpretação mostrada é a de %1, onde o céu calculado coloca Eros; o programa responde com %2, o signo da tabela.</translation>
    </message>
    <message>
        <source>The computed sky has Eros moving from %1 into %2 at %3.</source>
        <translation>No céu calculado, Eros passa de %1 para %2 às %3.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births before %2.</source>
        <translation>A interpretação mostrada é a de %1: para nascimentos antes das %2.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births at or after %2.</source>
        <translation>A interpretação mostrada é a de %1: para nascimentos a partir das %2.</translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for the moment of your birth.</source>
        <translation>O signo é calculado a partir da órbita de Eros publicada pelo JPL, para o momento do seu nascimento.</translation>
    </message>
    <message>
        <source>At the first Eros was in %1, at the second in %2.</source>
        <translation>No primeiro, Eros estava em %1; no segundo, em %2.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for a birth at the first of the two.</source>
        <translation>A interpretação mostrada é a de %1: para um nascimento no primeiro dos dois momentos.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for a birth at the second of the two.</source>
        <translation>A interpretação mostrada é a de %1: para um nascimento no segundo dos dois momentos.</translation>
    </message>
    <message>
        <source>The reading shown is for %1, the sign Eros was in or entered within the model&apos;s error of your birth.</source>
        <translation>A interpretação mostrada é a de %1, o signo em que Eros estava ou em que entrou no momento do seu nascimento, dentro da margem de erro do modelo.</translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for the whole day at the birthplace.</source>
        <translation>O signo é calculado a partir da órbita de Eros publicada pelo JPL, para o dia inteiro no local de nascimento.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births before %2 local time.</source>
        <translation>A interpretação mostrada é a de %1: para nascimentos antes das %2 no horário local.</translation>
    </message>
    <message>
        <source>The reading shown is for %1: for births at or after %2 local time.</source>
        <translation>A interpretação mostrada é a de %1: para nascimentos a partir das %2 no horário local.</translation>
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
        <translation>Não foi possível abrir um navegador para exibir esta página. Copie você mesmo o endereço abaixo em um navegador.</translation>
    </message>
    <message>
        <source>No web browser could be started to open this page. Install xdg-utils and a web browser, or copy the address below into a browser yourself.</source>
        <translation>Não foi possível abrir um navegador para exibir esta página. Instale o xdg-utils e um navegador, ou copie você mesmo o endereço abaixo em um navegador.</translation>
    </message>
    <message>
        <source>Address of the page</source>
        <translation>Endereço da página</translation>
    </message>
</context>
<context>
    <name>Sign</name>
    <message>
        <source>Aries</source>
        <translation>Áries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Touro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gêmeos</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Câncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leão</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgem</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpião</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitário</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricórnio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Aquário</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Peixes</translation>
    </message>
</context>
<context>
    <name>SignReadings</name>
    <message>
        <source>The placement or Eros in this cardinal fire sign is a spark thrown into dry grass. Mars, ruler of Aries, lends your desire speed and daring, so you fall for someone in a heartbeat and see no reason to wait for permission. You love the chase as much as the prize, and a partner who plays a little hard to get keeps your pulse racing. In bed you are direct, playful and generous with your energy, preferring honest hunger to coy games. Boredom is your real rival; routine cools you faster than any quarrel. Learn to linger, because tenderness shown slowly can be as thrilling as a sudden kiss. The lover who can match your courage and still slow you down now and then will hold your heart for a very long time.</source>
        <translation>A presença de Eros neste signo cardinal de fogo é uma faísca lançada na grama seca. Marte, regente de Áries, dá ao seu desejo velocidade e ousadia, e assim você se apaixona num piscar de olhos e não vê motivo para esperar permissão. Você ama a caçada tanto quanto o prêmio, e alguém que se faz um pouco de difícil deixa seu coração disparado. Na cama, você vai direto ao ponto, com humor e generosidade, e prefere uma fome sincera a joguinhos de sedução. O tédio é seu verdadeiro rival; a rotina esfria você mais depressa que qualquer briga. Aprenda a se demorar, porque a ternura mostrada devagar pode ser tão emocionante quanto um beijo repentino. Quem estiver à altura da sua coragem e ainda assim souber desacelerar você de vez em quando guardará seu coração por muito tempo.</translation>
    </message>
    <message>
        <source>Dominated by the goddess of love, Venus, Taurus is steeped in sensual pleasure, and Eros here turns desire into something you can touch, taste and savour. You never hurry. Seduction for you is a long, slow dinner by candlelight, silk sheets, a favourite song and the warmth of skin against skin. Once you have chosen a partner you are loyal, affectionate and deeply devoted, and you expect the same steadiness in return. Your earthy nature makes you a patient, attentive lover who remembers precisely what pleases. Possessiveness can creep in when you feel insecure, so let trust do the work that jealousy never could. Given time and comfort, your passion grows richer every year.</source>
        <translation>Dominado pela deusa do amor, Vênus, Touro é impregnado de prazer sensual, e aqui Eros transforma o desejo em algo que você pode tocar, provar e saborear. Você nunca tem pressa. Sedução, para você, é um jantar longo e tranquilo à luz de velas, lençóis de seda, sua música favorita e o calor de pele contra pele. Depois de escolher alguém, você oferece lealdade, carinho e uma dedicação profunda, e espera a mesma constância em troca. Sua natureza terrena lhe dá no amor paciência e atenção, e você lembra exatamente o que agrada. A possessividade pode se insinuar quando falta segurança; deixe então a confiança fazer o que o ciúme jamais conseguiria. Com tempo e conforto, sua paixão fica mais rica a cada ano.</translation>
    </message>
    <message>
        <source>When Eros is coupled with Gemini, the sign of communication, desire begins in the mind. Ruled by quick-witted Mercury, you are seduced by clever words, teasing messages and long late-night conversations that wander everywhere. A partner who cannot keep up with your banter will not hold your interest, however attractive. You like variety and flirt almost without noticing, which can make others wonder how serious you are. Love for you must stay light on its feet, curious and full of surprises; the cliché of roses every Friday leaves you cold. When you find someone who is both playmate and best friend, your restless airy heart settles happily at last.  </source>
        <translation>Quando Eros se une a Gêmeos, o signo da comunicação, o desejo começa na mente. Sob a influência do ágil Mercúrio, palavras inteligentes, mensagens provocantes e longas conversas noturnas que vagueiam por toda parte seduzem você. Quem não acompanha suas brincadeiras não prende seu interesse, por mais charme que tenha. Você gosta de variedade e flerta quase sem perceber, o que pode fazer os outros se perguntarem até que ponto você fala sério. Para você, o amor precisa continuar leve, curioso e cheio de surpresas; o clichê das rosas toda sexta-feira não lhe diz nada. Quando encontra alguém com quem brincar e a quem confiar tudo, seu coração inquieto de ar enfim sossega, feliz.</translation>
    </message>
    <message>
        <source>A person with Eros in Cancer is eager to share a home as well as a bed. Ruled by the Moon, this water sign makes your desire tidal, rising and falling with your moods and with how safe you feel.  You need emotional closeness before physical intimacy can truly flower, and you give yourself fully once you trust. Caring for a partner is one of your deepest pleasures: cooking for them, remembering their childhood stories, holding them close when the world outside turns harsh. Under your protective shell lies a sensitive and romantic soul who can be deeply hurt by a careless word. You may retreat when wounded, so a lover must learn patience. Treated tenderly, you return a devotion that lasts a lifetime. </source>
        <translation>Quem tem Eros em Câncer quer dividir não só a cama, mas também um lar. Regido pela Lua, este signo de água faz seu desejo subir e descer como as marés, conforme seu humor e a segurança que você sente. Você precisa de proximidade emocional antes que a intimidade física possa florescer de verdade, e se entrega por inteiro quando confia. Cuidar de quem ama é um dos seus maiores prazeres: cozinhar para essa pessoa, lembrar as histórias de infância dela, abraçá-la forte quando o mundo lá fora fica hostil. Sob sua carapaça protetora há uma alma sensível e romântica, que uma palavra descuidada pode ferir profundamente. Quando se magoa, você pode se retrair, por isso quem ama você precisa aprender a ter paciência. A quem trata você com ternura, você retribui com uma devoção que dura a vida inteira.</translation>
    </message>
    <message>
        <source>When Eros, the God of love occupies this fiery sign, romance becomes a grand performance and you are its radiant star. Ruled by the Sun, you love with warmth, generosity and a flair for drama. You want to be adored, admired and told so often, and in return you shower your partner with attention, gifts and loyal affection. Passion for you is bold and playful; you enjoy dressing up, setting the scene and making each night feel like an occasion. Pride is your weak spot, since a bruised ego can turn your fire into sulking. Choose a lover who applauds you sincerely and is confident enough to shine beside you. Together you can make a love story worth retelling.</source>
        <translation>Quando Eros, o deus do amor, ocupa este signo de fogo, o romance se torna um grande espetáculo, e você é a sua estrela radiante. Sob a regência do Sol, você ama com calor, generosidade e um talento para o drama. Você quer adoração, admiração e ouvir isso com frequência, e em troca enche quem ama de atenção, presentes e afeto leal. Sua paixão é ousada e brincalhona; você gosta de se arrumar, preparar o cenário e fazer de cada noite uma ocasião especial. O orgulho é seu ponto fraco, pois um ego ferido pode transformar seu fogo em birra. Escolha alguém que aplauda você com sinceridade e tenha segurança suficiente para brilhar ao seu lado. Juntos, vocês podem viver uma história de amor que vale a pena contar.</translation>
    </message>
    <message>
        <source>Whimsical and moody at times, you are a fine combination of cool reason and hidden sensuality. Mercury rules this earth sign, so you study a potential partner carefully before you let anyone close, noticing each small gesture and each broken promise. Your standards are high and you can be critical, yet that same attention to detail makes you a thoughtful and devoted lover. You show affection through practical care, fixing what is broken, planning the perfect weekend, quietly remembering what your partner likes. Beneath a modest, reserved exterior lies a surprisingly earthy appetite that only a trusted lover ever sees. Let go of the need for perfection and allow yourself to be adored as you are, flaws and all, and passion will follow naturally</source>
        <translation>Com seus caprichos e mudanças de humor, você é uma bela combinação de razão fria e sensualidade escondida. Mercúrio rege este signo de terra, por isso você observa com cuidado uma possível paixão antes de deixar alguém se aproximar, notando cada pequeno gesto e cada promessa quebrada. Seus padrões são altos e você pode fazer críticas, mas essa mesma atenção aos detalhes faz você amar com atenção e dedicação. Você demonstra carinho com cuidados práticos: conserta o que está quebrado, planeja o fim de semana perfeito, lembra em silêncio do que seu par gosta. Por trás de um exterior modesto e reservado há um apetite surpreendentemente terreno que só uma pessoa de confiança chega a ver. Abra mão da necessidade de perfeição e deixe-se adorar como você é, com defeitos e tudo, e a paixão virá naturalmente.</translation>
    </message>
    <message>
        <source>Taking part in many activities with your partner is essential to you, because for Libra love is a shared adventure rather than a private refuge. Venus rules this airy sign, giving you charm, grace and a keen eye for beauty. You are drawn to elegant, refined people and you court them with compliments, good taste and gentle persuasion. Harmony matters to you enormously; arguments upset your balance, and you may keep quiet rather than risk a scene. In intimacy you are considerate and romantic, always attentive to what pleases the other person. The risk is losing yourself in trying to be the perfect companion. Speak up for your own desires, and you will find a partnership of true equals. </source>
        <translation>Fazer muitas atividades ao lado do seu par é essencial para você, porque para Libra o amor é uma aventura compartilhada, e não um refúgio particular. Vênus rege este signo de ar e lhe dá charme, graça e um olho apurado para a beleza. Pessoas elegantes e refinadas atraem você, e você as conquista com elogios, bom gosto e uma persuasão gentil. A harmonia importa muito para você; discussões abalam seu equilíbrio, e você pode preferir o silêncio a arriscar uma cena. Na intimidade, você tem delicadeza e romantismo, sempre com atenção ao que agrada o outro. O risco é se perder tentando formar o par perfeito. Defenda seus próprios desejos e você encontrará uma parceria entre verdadeiros iguais.</translation>
    </message>
    <message>
        <source>The most intriguing position of 12 zodiacs, Eros is all intensity in Scorpio. Ruled by Pluto and Mars, this water sign gives you a magnetic, nearly hypnotic pull that others feel the very moment you walk into a crowded room. Desire for you is never casual; you want to merge body and soul with a partner and discover every secret they keep. Your passion is deep, loyal and transformative, yet you guard your own vulnerability fiercely. Jealousy and a need to control can surface when trust is shaken, and you rarely if ever forgive betrayal. A lover who is honest, brave and unafraid of emotional depth will share with you a bond unlike any other. </source>
        <translation>A posição mais intrigante dos doze signos do zodíaco: em Escorpião, Eros é pura intensidade. Regido por Plutão e Marte, este signo de água lhe dá uma atração magnética, quase hipnótica, que os outros sentem no exato momento em que você entra numa sala cheia. O desejo, para você, nunca é casual; você quer se fundir de corpo e alma com quem ama e descobrir cada segredo que essa pessoa guarda. Sua paixão é profunda, leal e transformadora, mas você protege ferozmente a própria vulnerabilidade. O ciúme e a necessidade de controle podem surgir quando a confiança é abalada, e você raramente perdoa uma traição, se é que perdoa. Uma pessoa honesta, corajosa e sem medo da profundidade emocional compartilhará com você um laço como nenhum outro.</translation>
    </message>
    <message>
        <source>If you have Eros in Sagittarius, you are keen to explore the world and your own heart with equal enthusiasm. Jupiter, the planet of expansion, rules this fire sign, so your love life tends to be generous, optimistic and full of laughter.  You are attracted to people from different backgrounds, bold thinkers and fellow travellers who can talk philosophy over breakfast in a foreign city. Freedom is precious; a partner who tries to fence you in will soon find the gate open and you gone. In bed you are spontaneous, open-minded and cheerful, treating pleasure as one more adventure. Honesty comes naturally, though sometimes too bluntly for gentler hearts. Commitment is possible when it feels like a journey rather than a cage. Share your dreams, pack light, and let your lover walk beside you rather than behind you, and the road ahead will be bright. </source>
        <translation>Se você tem Eros em Sagitário, explora o mundo e o próprio coração com o mesmo entusiasmo. Júpiter, o planeta da expansão, rege este signo de fogo, por isso sua vida amorosa costuma ser generosa, otimista e cheia de risadas. Pessoas de origens diferentes atraem você, assim como mentes ousadas e gente com quem viajar e filosofar no café da manhã numa cidade estrangeira. A liberdade é preciosa; quem tentar prender você logo encontrará a porteira aberta e você longe. Na cama, você mostra espontaneidade, mente aberta e alegria, e vê o prazer como mais uma aventura. A sinceridade vem naturalmente, ainda que às vezes franca demais para corações mais sensíveis. O compromisso é possível quando parece uma viagem, e não uma gaiola. Compartilhe seus sonhos, viaje leve e deixe seu par caminhar ao seu lado, e não atrás de você, e a estrada à frente será luminosa.</translation>
    </message>
    <message>
        <source>Judgmental in your attitude towards others, you will never indulge in a romance that you consider unworthy of your time. Saturn rules this earth sign, making you cautious, ambitious and reserved in matters of the heart. You take love seriously and prefer a partner with status, discipline and clear goals. Courtship with you is slow and deliberate, and some may mistake your restraint for coldness. Yet behind that composed exterior lies a strong physical nature and a surprisingly dry, wicked sense of humour. Once committed, you are faithful, protective and dependable, building a relationship as carefully as a career. Allow yourself to relax and play, because even the most solid mountain needs spring.</source>
        <translation>Exigente ao julgar os outros, você jamais se entrega a um romance que considere indigno do seu tempo. Saturno rege este signo de terra e lhe dá cautela, ambição e reserva nos assuntos do coração. Você leva o amor a sério e prefere alguém com posição, disciplina e metas claras. Conquistar você é um processo lento e deliberado, e há quem confunda sua contenção com frieza. Mas por trás desse exterior sereno há uma forte natureza física e um senso de humor surpreendentemente seco e malicioso. Depois de assumir um compromisso, você é fiel, dá proteção e cumpre o que promete, e constrói um relacionamento com o mesmo cuidado de uma carreira. Permita-se relaxar e brincar, porque até a montanha mais sólida precisa de uma primavera.</translation>
    </message>
    <message>
        <source>Following the same well-trodden path is not your way of loving. With Eros in this air sign ruled by Uranus, you are drawn to the unusual, the eccentric and the gifted. Friendship is the foundation of every romance for you, and a partner must first win your mind before winning your body. You value independence highly and can seem detached, even when your feelings run strong. Unconventional arrangements do not frighten you, and you enjoy experimenting with new ideas in love as in life. Possessive or clingy lovers make you feel trapped. Someone who respects your space, shares your ideals and surprises you now and then will find you loyal in your own original way. </source>
        <translation>Seguir o mesmo caminho batido não é o seu jeito de amar. Com Eros neste signo de ar regido por Urano, o incomum, o excêntrico e o talentoso atraem você. Para você, a amizade é a base de todo romance, e quem quiser seu corpo precisa primeiro conquistar sua mente. Você valoriza muito a independência e pode passar uma impressão de distância, mesmo quando seus sentimentos são fortes. Arranjos pouco convencionais não assustam você, que gosta de experimentar ideias novas no amor como na vida. Um amor possessivo ou grudento faz você se sentir numa armadilha. Quem respeitar seu espaço, compartilhar seus ideais e surpreender você de vez em quando vai encontrar em você lealdade, do seu jeito tão original.</translation>
    </message>
    <message>
        <source>In this sign, Eros loses his self assertive ego even as he gains a boundless capacity for tenderness. Ruled by Neptune, this water sign makes you dreamy, compassionate and deeply romantic. You long for a soul mate and may idealise a lover, seeing the poet rather than the person. Intimacy for you is a spiritual experience as much as a physical one, full of soft music, candlelight and whispered fantasies. You sense a partner&apos;s needs intuitively and give without ever keeping score. Be wary of rescuing wounded souls, since sacrifice can turn into a sad cliché of the martyr in love. With a kind and grounded companion, your imagination turns love into poetry.</source>
        <translation>Neste signo, Eros perde seu ego impetuoso e ganha, em troca, uma capacidade infinita de ternura. Netuno rege este signo de água e enche você de sonhos, compaixão e um profundo romantismo. Você anseia por uma alma gêmea e pode idealizar quem ama, enxergando o poeta em vez da pessoa. Para você, a intimidade é uma experiência tão espiritual quanto física, cheia de música suave, luz de velas e fantasias sussurradas. Você sente intuitivamente as necessidades do seu par e dá sem nunca fazer contas. Cuidado com a vontade de salvar almas feridas, pois o sacrifício pode virar o triste clichê do mártir apaixonado. Ao lado de alguém gentil e com os pés no chão, sua imaginação transforma o amor em poesia.</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>starkindle: option &apos;--sign&apos; needs at least one date
</source>
        <translation>starkindle: a opção “--sign” precisa de pelo menos uma data
</translation>
    </message>
    <message>
        <source>starkindle: option &apos;%1&apos; needs a value
</source>
        <translation>starkindle: a opção “%1” precisa de um valor
</translation>
    </message>
    <message>
        <source>starkindle: unrecognized option &apos;%1&apos;
</source>
        <translation>starkindle: opção “%1” não reconhecida
</translation>
    </message>
    <message>
        <source>starkindle: unexpected argument &apos;%1&apos;
</source>
        <translation>starkindle: argumento “%1” inesperado
</translation>
    </message>
    <message>
        <source>starkindle: cannot write the answer: %1
</source>
        <translation>starkindle: não foi possível escrever a resposta: %1
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a date from %2-01-01 to %3-12-31 (YYYY-MM-DD, optionally with THH:MM and Z, +HH:MM or -HH:MM)
</source>
        <translation>starkindle: “%1” não é uma data de %2-01-01 a %3-12-31 (AAAA-MM-DD, opcionalmente com THH:MM e Z, +HH:MM ou -HH:MM)
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is a local time the clocks skip in this time zone
</source>
        <translation>starkindle: “%1” é uma hora local que os relógios pulam neste fuso horário
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a moment from %2-01-01T00:00Z to %3-12-31T23:59Z
</source>
        <translation>starkindle: “%1” não é um momento de %2-01-01T00:00Z a %3-12-31T23:59Z
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; happens twice in this time zone, in two signs: add its UTC offset (+HH:MM or -HH:MM)
</source>
        <translation>starkindle: “%1” acontece duas vezes neste fuso horário, em dois signos: acrescente o deslocamento UTC (+HH:MM ou -HH:MM)
</translation>
    </message>
    <message>
        <source>starkindle: cannot read standard input: %1
</source>
        <translation>starkindle: não foi possível ler a entrada padrão: %1
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
        <translation>Uso: starkindle [OPÇÃO]...
 ou: starkindle --sign [--zone ZONA|--place NOME] DATA[THH:MM[DESLOCAMENTO]]...
Informa o signo do zodíaco em que o asteroide Eros estava numa data de
nascimento entre %1 e %2, com a interpretação desse signo.
De %3 a %4 o signo vem da tabela original do programa; para os demais
anos, de uma efeméride calculada a partir da órbita de Eros determinada
pelo JPL, às 12:00 UT do dia.

Opções:
  -h, --help         mostra esta ajuda e sai
      --version      mostra a versão e sai
      --sign DATA...
                     imprime “DATA SIGNO” para cada data (AAAA-MM-DD, de
                     %1-01-01 a %2-12-31; o signo em inglês) e sai, sem
                     precisar de sessão gráfica. Com uma hora (THH:MM, depois Z
                     para UT, um DESLOCAMENTO +HH:MM ou -HH:MM, ou nada para a
                     hora local), o signo naquele momento; de %3 a %4 a
                     resposta continua pela data como escrita. “-” lê as datas
                     da entrada padrão, uma por linha. Uma data recusada é
                     indicada na saída de erro, as demais são respondidas, e o
                     status de saída é 2.
      --zone ZONA    lê as horas e os dias locais no fuso horário IANA ZONA
                     (como America/Sao_Paulo), com seu histórico
      --place NOME   lê as horas onde fica NOME (o lugar mais populoso com esse
                     nome; “NOME, CC” para um país) e mostra o lugar após cada
                     resposta
      --json         imprime em vez disso um objeto JSON por linha: input, utc,
                     sign, longitude (graus), degree (no signo), retrograde,
                     source (table ou ephemeris), zone e offset; sky_sign
                     quando o signo do grau não é o da resposta, later_sign e
                     change num dia com dois signos, place com --place
      --csv          o mesmo em CSV, após uma linha de cabeçalho
  --                 fim das opções: tudo o que vem depois são datas

A hora local é a de TZ ou, se não houver, a do sistema. Um TZ que não indica
nenhum fuso horário (como TZ=Foo/Bar) é recusado para horas sem deslocamento,
em vez de ser tomado como UT. Com --zone ou --place, uma data sozinha responde
pelo dia local inteiro: o seu signo, ou os dois signos e a hora local da
mudança.

As opções próprias do Qt também são aceitas, entre elas -platform NOME,
-display TELA, -style ESTILO e -reverse.
O programa precisa de uma sessão gráfica (X11, ou Wayland com qt6-wayland).
</translation>
    </message>
    <message>
        <source>Try &apos;starkindle --help&apos; for more information.
</source>
        <translation>Tente “starkindle --help” para mais informações.
</translation>
    </message>
    <message>
        <source>starkindle: TZ=&apos;%1&apos; names no time zone: use --zone AREA/CITY, or give the time&apos;s UTC offset
</source>
        <translation>starkindle: TZ=&apos;%1&apos; não indica nenhum fuso horário: use --zone REGIÃO/CIDADE ou informe o deslocamento UTC do horário
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is a day this time zone skipped
</source>
        <translation>starkindle: “%1” é um dia que este fuso horário pulou
</translation>
    </message>
    <message>
        <source>starkindle: options &apos;--zone&apos;, &apos;--place&apos;, &apos;--json&apos; and &apos;--csv&apos; go with &apos;--sign&apos;
</source>
        <translation>starkindle: as opções “--zone”, “--place”, “--json” e “--csv” acompanham “--sign”
</translation>
    </message>
    <message>
        <source>starkindle: give &apos;--zone&apos; or &apos;--place&apos;, not both
</source>
        <translation>starkindle: informe “--zone” ou “--place”, não os dois
</translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a time zone (AREA/CITY, such as Europe/London)
</source>
        <translation>starkindle: “%1” não é um fuso horário (REGIÃO/CIDADE, como America/Sao_Paulo)
</translation>
    </message>
    <message>
        <source>starkindle: no place called &apos;%1&apos; is known
</source>
        <translation>starkindle: nenhum local chamado “%1” é conhecido
</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Starkindle icon</source>
        <translation>Ícone do Starkindle</translation>
    </message>
    <message>
        <source>Starkindle describes the placement of the asteroid Eros in your birth chart. This asteroid is also known as the Cupid. This sign helps you understand yourself and know more about your sexual urges and passionate feelings. It gives you an insight to your creative feelings. All rights to this software are reserved by Corvane Softwares.</source>
        <translation>O Starkindle descreve a posição do asteroide Eros, também conhecido como Cupido, no seu mapa astral. O signo ajuda você a se entender e a saber mais sobre seus impulsos sexuais e sentimentos apaixonados, e revela seu lado criativo. Todos os direitos deste software são reservados à Corvane Softwares.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Visitar %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidade de negócio em casa. Abra seu próprio negócio na Internet e ganhe dinheiro on-line. Tenha este software totalmente com a sua marca no seu site.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Mais detalhes aqui</translation>
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
        <translation>Signo astrológico sexual</translation>
    </message>
    <message>
        <source>Eros is the god of sexual love and desire.</source>
        <translation>Eros é o deus do amor sexual e do desejo.</translation>
    </message>
    <message>
        <source>Eros in your Chart is Placed in</source>
        <translation>No seu mapa astral, Eros está em</translation>
    </message>
    <message>
        <source>Your sexual astrology sign</source>
        <translation>Seu signo astrológico sexual</translation>
    </message>
    <message>
        <source>The reading for your sign</source>
        <translation>A interpretação do seu signo</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Procurar atualizações</translation>
    </message>
    <message>
        <source>Eros in your Chart is Placed in %1. %2</source>
        <translation>No seu mapa astral, Eros está em %1. %2</translation>
    </message>
    <message>
        <source>About This Answer</source>
        <translation>Sobre esta resposta</translation>
    </message>
    <message>
        <source>Notes on your sign</source>
        <translation>Notas sobre o seu signo</translation>
    </message>
    <message>
        <source>Swaps the sign and reading above for those of the other part of the day</source>
        <translation>Troca o signo e a interpretação acima pelos da outra parte do dia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Show the reading for %1</source>
        <translation>&amp;Mostrar a interpretação de %1</translation>
    </message>
    <message>
        <source>Save &amp;Picture...</source>
        <translation>Salvar &amp;imagem...</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Salvar imagem</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved in %1.</source>
        <translation>Não foi possível salvar a imagem em %1.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Starkindle describes the placement of the asteroid Eros in your birth chart. This helps you know more about the sexual, passion, love and erotic side of your nature</source>
        <translation>O Starkindle descreve a posição do asteroide Eros no seu mapa astral. Assim você conhece melhor o lado sexual, apaixonado, amoroso e erótico da sua natureza</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Nascimento</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Find My &amp;Sexual Astrology Sign</source>
        <translation>&amp;Encontrar meu signo astrológico sexual</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Procurar atualizações</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Por favor, digite apenas letras</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Por favor, digite seu nome</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Por favor, escolha um dia ou mês válido!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Por favor, escolha um dia ou mês válido!</translation>
    </message>
    <message>
        <source>&amp;Time of Birth</source>
        <translation>&amp;Hora natal</translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation>Hora de nascimento</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>the time of birth, when none is given</comment>
        <translation>não se sabe</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>the place of birth, when none is given</comment>
        <translation>não se sabe</translation>
    </message>
    <message>
        <source>Hours and minutes, such as 14:30; leave it empty if unknown</source>
        <translation>Horas e minutos, como 14:30; deixe em branco se não souber</translation>
    </message>
    <message>
        <source>(optional)</source>
        <translation>(opcional)</translation>
    </message>
    <message>
        <source>&amp;Place of Birth</source>
        <translation>&amp;Cidade natal</translation>
    </message>
    <message>
        <source>Place of birth</source>
        <translation>Local de nascimento</translation>
    </message>
    <message>
        <source>A town or city, such as London; leave it empty if unknown</source>
        <translation>Uma cidade, como São Paulo; deixe em branco se não souber</translation>
    </message>
    <message>
        <source>Please enter the time of birth as hours and minutes, such as 14:30, or leave it empty.</source>
        <translation>Por favor, digite a hora de nascimento em horas e minutos, como 14:30, ou deixe o campo em branco.</translation>
    </message>
    <message>
        <source>No place called &quot;%1&quot; is known. Please type a town or city, such as London, or leave it empty.</source>
        <translation>Nenhum local chamado “%1” é conhecido. Por favor, digite uma cidade, como São Paulo, ou deixe o campo em branco.</translation>
    </message>
    <message>
        <source>The clocks there skipped %1 on that day, so no one was born at that time. Please check the time of birth.</source>
        <translation>Nesse dia, os relógios de lá pularam %1, então ninguém nasceu nesse horário. Por favor, confira a hora de nascimento.</translation>
    </message>
    <message>
        <source>That day was skipped there: the calendar went from the day before to the day after. Please check the date and place.</source>
        <translation>Esse dia foi pulado lá: o calendário passou direto da véspera para o dia seguinte. Por favor, confira a data e o local.</translation>
    </message>
    <message>
        <source>That moment falls outside %1 to %2 in UT, the years the program answers for.</source>
        <translation>Em UT, esse momento fica fora dos anos de %1 a %2, para os quais o programa responde.</translation>
    </message>
</context>
<context>
    <name>frmNagScreen2</name>
    <message>
        <source>Starkindle icon</source>
        <translation>Ícone do Starkindle</translation>
    </message>
    <message>
        <source>Download Corvane Softwares</source>
        <translation>Baixar programas da Corvane Softwares</translation>
    </message>
    <message>
        <source>Starkindle is one of a whole family of small programs from Corvane Softwares: astrology and numerology readings, personal organisers, learning aids and handy everyday tools. Most of them are free to download and try, and every one is made with the same care as this one. Spend a few minutes browsing the collection; you may find just the tool you have been looking for, or a pleasant surprise to share with a friend.</source>
        <translation>O Starkindle faz parte de uma família de pequenos programas da Corvane Softwares: interpretações de astrologia e numerologia, agendas pessoais, ferramentas de estudo e utilitários para o dia a dia. A maioria pode ser baixada e experimentada de graça, e todos são feitos com o mesmo cuidado que este. Conheça a coleção: talvez você encontre a ferramenta que procurava, ou uma boa surpresa para compartilhar com um amigo.</translation>
    </message>
    <message>
        <source>Click Here To Visit Corvane Softwares</source>
        <translation>Clique aqui para visitar a Corvane Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Indicar a um amigo</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Nome do seu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>E-mail do seu amigo</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Indicar &amp;agora</translation>
    </message>
    <message>
        <source>Visit %1 now</source>
        <translation>Visitar %1 agora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Corvane Softwares can only make and maintain programs like this one with your support, and the best support you can give is to visit the Corvane discussion forum regularly and take part in it.</source>
        <translation>A Corvane Softwares só consegue criar e manter programas como este com o seu apoio, e o melhor apoio que você pode dar é visitar o fórum de discussão da Corvane com regularidade e participar dele.</translation>
    </message>
    <message>
        <source>Please visit the Corvane discussion forum regularly and join in its discussions. Without you we cannot keep our programs maintained.</source>
        <translation>Visite o fórum de discussão da Corvane com regularidade e participe das conversas. Sem você, não conseguimos manter nossos programas.</translation>
    </message>
    <message>
        <source>The Corvane discussion forum is a free online discussion forum. Please visit it regularly and help us maintain this program.</source>
        <translation>O fórum de discussão da Corvane é um fórum on-line gratuito. Visite-o com regularidade e ajude-nos a manter este programa.</translation>
    </message>
    <message>
        <source>The Corvane discussion forum needs your help. Please visit it regularly, so that we can develop more programs for you.</source>
        <translation>O fórum de discussão da Corvane precisa da sua ajuda. Visite-o com regularidade para que possamos criar mais programas para você.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Por favor, digite dois e-mails diferentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Por favor, digite um e-mail válido</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>O endereço de e-mail não pode conter espaços</translation>
    </message>
</context>
<context>
    <name>look</name>
    <message>
        <source>Opens a web page in your browser</source>
        <translation>Abre uma página da web no seu navegador</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Pode haver uma atualização disponível para este software</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Deseja procurar uma atualização?</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Your referral is too long to be sent. Please shorten your message.</source>
        <translation>Sua indicação é longa demais para ser enviada. Por favor, encurte sua mensagem.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do seu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail do seu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Por favor, digite seu nome</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Por favor, digite seu e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Por favor, digite sua mensagem</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Por favor, digite o nome do seu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Por favor, digite o e-mail do seu amigo</translation>
    </message>
</context>
<context>
    <name>nodisplay</name>
    <message>
        <source>starkindle: no display could be opened: no X display, and the Wayland platform plugin is not installed (qt6-wayland)
</source>
        <translation>starkindle: não foi possível abrir nenhuma tela: não há tela X, e o plugin de plataforma Wayland não está instalado (qt6-wayland)
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened: DISPLAY is %1, and the Wayland platform plugin is not installed (qt6-wayland)
</source>
        <translation>starkindle: não foi possível abrir nenhuma tela: DISPLAY é %1, e o plugin de plataforma Wayland não está instalado (qt6-wayland)
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened (DISPLAY is not set); start it from a graphical session
</source>
        <translation>starkindle: não foi possível abrir nenhuma tela (DISPLAY não está definida); inicie o programa numa sessão gráfica
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened (DISPLAY is %1); start it from a graphical session
</source>
        <translation>starkindle: não foi possível abrir nenhuma tela (DISPLAY é %1); inicie o programa numa sessão gráfica
</translation>
    </message>
    <message>
        <source>starkindle: no display could be opened: the X server of DISPLAY %1 dropped the connection %2 times in a row
</source>
        <translation>starkindle: não foi possível abrir nenhuma tela: o servidor X de DISPLAY %1 derrubou a conexão %2 vezes seguidas
</translation>
    </message>
</context>
<context>
    <name>promotion</name>
    <message>
        <source>Talk it over in the Corvane forum at %1</source>
        <translation>Converse sobre isso no fórum da Corvane em %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidade de negócio em casa. Abra seu negócio na Internet e ganhe dinheiro on-line. Ofereça este software com a sua marca no seu site. Clique aqui para mais detalhes.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Your name and links go on every copy your visitors take home; see the Help for details. Click Here for more info on co-branding.</source>
        <translation>Coloque a sua marca neste software para o seu site. Seu nome e seus links vão em cada cópia que seus visitantes levam; veja a Ajuda. Clique aqui para saber mais.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;on-line</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nosso site</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganhar dinheiro &amp;on-line</translation>
    </message>
</context>
<context>
    <name>startup</name>
    <message>
        <source>Application is already running</source>
        <translation>O aplicativo já está em execução</translation>
    </message>
    <message>
        <source>Starkindle cannot start: it found no private folder for the lock that keeps a second copy from running. The system has no home folder on record for your user, and HOME is not a folder that only you can write to. Set HOME to such a folder and start Starkindle again.</source>
        <translation>O Starkindle não pode iniciar: não encontrou nenhuma pasta privada para a trava que impede uma segunda cópia de rodar. O sistema não tem nenhuma pasta pessoal registrada para o seu usuário, e HOME não é uma pasta em que só você pode gravar. Defina HOME como uma pasta assim e inicie o Starkindle novamente.</translation>
    </message>
</context>
</TS>
