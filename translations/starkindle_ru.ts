<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Calendar</name>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalendarDate</name>
    <message>
        <source>January</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <comment>month inside a written date, e.g. genitive</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultNotes</name>
    <message>
        <source>%1 %2 %3</source>
        <comment>a date: day, month name, year</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sign comes from the original table, which covers %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On this day the table has Eros moving from %1 into %2; it gives no hour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computed sky puts Eros in %1 at %2 UT on this day; for %3 to %4 the program keeps the original table&apos;s answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sign is computed from JPL&apos;s orbit of Eros, for %1 UT on this day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eros moved from %1 into %2 at %3 UT on %4, which was %5 on %6 in this computer&apos;s time zone (%7).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Born before that moment, Eros was in %1; born after it, in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer for %1, born on %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>No web browser could be started to open this page. Install xdg-utils and a web browser, or copy the address below into a browser yourself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No web browser could be started to open this page. Copy the address below into a browser yourself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address of the page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sign</name>
    <message>
        <source>Aries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignReadings</name>
    <message>
        <source>The placement or Eros in this cardinal fire sign is a spark thrown into dry grass. Mars, ruler of Aries, lends your desire speed and daring, so you fall for someone in a heartbeat and see no reason to wait for permission. You love the chase as much as the prize, and a partner who plays a little hard to get keeps your pulse racing. In bed you are direct, playful and generous with your energy, preferring honest hunger to coy games. Boredom is your real rival; routine cools you faster than any quarrel. Learn to linger, because tenderness shown slowly can be as thrilling as a sudden kiss. The lover who can match your courage and still slow you down now and then will hold your heart for a very long time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dominated by the goddess of love, Venus, Taurus is steeped in sensual pleasure, and Eros here turns desire into something you can touch, taste and savour. You never hurry. Seduction for you is a long, slow dinner by candlelight, silk sheets, a favourite song and the warmth of skin against skin. Once you have chosen a partner you are loyal, affectionate and deeply devoted, and you expect the same steadiness in return. Your earthy nature makes you a patient, attentive lover who remembers precisely what pleases. Possessiveness can creep in when you feel insecure, so let trust do the work that jealousy never could. Given time and comfort, your passion grows richer every year.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When Eros is coupled with Gemini, the sign of communication, desire begins in the mind. Ruled by quick-witted Mercury, you are seduced by clever words, teasing messages and long late-night conversations that wander everywhere. A partner who cannot keep up with your banter will not hold your interest, however attractive. You like variety and flirt almost without noticing, which can make others wonder how serious you are. Love for you must stay light on its feet, curious and full of surprises; the cliché of roses every Friday leaves you cold. When you find someone who is both playmate and best friend, your restless airy heart settles happily at last.  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A person with Eros in Cancer is eager to share a home as well as a bed. Ruled by the Moon, this water sign makes your desire tidal, rising and falling with your moods and with how safe you feel.  You need emotional closeness before physical intimacy can truly flower, and you give yourself fully once you trust. Caring for a partner is one of your deepest pleasures: cooking for them, remembering their childhood stories, holding them close when the world outside turns harsh. Under your protective shell lies a sensitive and romantic soul who can be deeply hurt by a careless word. You may retreat when wounded, so a lover must learn patience. Treated tenderly, you return a devotion that lasts a lifetime. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When Eros, the God of love occupies this fiery sign, romance becomes a grand performance and you are its radiant star. Ruled by the Sun, you love with warmth, generosity and a flair for drama. You want to be adored, admired and told so often, and in return you shower your partner with attention, gifts and loyal affection. Passion for you is bold and playful; you enjoy dressing up, setting the scene and making each night feel like an occasion. Pride is your weak spot, since a bruised ego can turn your fire into sulking. Choose a lover who applauds you sincerely and is confident enough to shine beside you. Together you can make a love story worth retelling.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whimsical and moody at times, you are a fine combination of cool reason and hidden sensuality. Mercury rules this earth sign, so you study a potential partner carefully before you let anyone close, noticing each small gesture and each broken promise. Your standards are high and you can be critical, yet that same attention to detail makes you a thoughtful and devoted lover. You show affection through practical care, fixing what is broken, planning the perfect weekend, quietly remembering what your partner likes. Beneath a modest, reserved exterior lies a surprisingly earthy appetite that only a trusted lover ever sees. Let go of the need for perfection and allow yourself to be adored as you are, flaws and all, and passion will follow naturally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taking part in many activities with your partner is essential to you, because for Libra love is a shared adventure rather than a private refuge. Venus rules this airy sign, giving you charm, grace and a keen eye for beauty. You are drawn to elegant, refined people and you court them with compliments, good taste and gentle persuasion. Harmony matters to you enormously; arguments upset your balance, and you may keep quiet rather than risk a scene. In intimacy you are considerate and romantic, always attentive to what pleases the other person. The risk is losing yourself in trying to be the perfect companion. Speak up for your own desires, and you will find a partnership of true equals. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The most intriguing position of 12 zodiacs, Eros is all intensity in Scorpio. Ruled by Pluto and Mars, this water sign gives you a magnetic, nearly hypnotic pull that others feel the very moment you walk into a crowded room. Desire for you is never casual; you want to merge body and soul with a partner and discover every secret they keep. Your passion is deep, loyal and transformative, yet you guard your own vulnerability fiercely. Jealousy and a need to control can surface when trust is shaken, and you rarely if ever forgive betrayal. A lover who is honest, brave and unafraid of emotional depth will share with you a bond unlike any other. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you have Eros in Sagittarius, you are keen to explore the world and your own heart with equal enthusiasm. Jupiter, the planet of expansion, rules this fire sign, so your love life tends to be generous, optimistic and full of laughter.  You are attracted to people from different backgrounds, bold thinkers and fellow travellers who can talk philosophy over breakfast in a foreign city. Freedom is precious; a partner who tries to fence you in will soon find the gate open and you gone. In bed you are spontaneous, open-minded and cheerful, treating pleasure as one more adventure. Honesty comes naturally, though sometimes too bluntly for gentler hearts. Commitment is possible when it feels like a journey rather than a cage. Share your dreams, pack light, and let your lover walk beside you rather than behind you, and the road ahead will be bright. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Judgmental in your attitude towards others, you will never indulge in a romance that you consider unworthy of your time. Saturn rules this earth sign, making you cautious, ambitious and reserved in matters of the heart. You take love seriously and prefer a partner with status, discipline and clear goals. Courtship with you is slow and deliberate, and some may mistake your restraint for coldness. Yet behind that composed exterior lies a strong physical nature and a surprisingly dry, wicked sense of humour. Once committed, you are faithful, protective and dependable, building a relationship as carefully as a career. Allow yourself to relax and play, because even the most solid mountain needs spring.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Following the same well-trodden path is not your way of loving. With Eros in this air sign ruled by Uranus, you are drawn to the unusual, the eccentric and the gifted. Friendship is the foundation of every romance for you, and a partner must first win your mind before winning your body. You value independence highly and can seem detached, even when your feelings run strong. Unconventional arrangements do not frighten you, and you enjoy experimenting with new ideas in love as in life. Possessive or clingy lovers make you feel trapped. Someone who respects your space, shares your ideals and surprises you now and then will find you loyal in your own original way. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In this sign, Eros loses his self assertive ego even as he gains a boundless capacity for tenderness. Ruled by Neptune, this water sign makes you dreamy, compassionate and deeply romantic. You long for a soul mate and may idealise a lover, seeing the poet rather than the person. Intimacy for you is a spiritual experience as much as a physical one, full of soft music, candlelight and whispered fantasies. You sense a partner&apos;s needs intuitively and give without ever keeping score. Be wary of rescuing wounded souls, since sacrifice can turn into a sad cliché of the martyr in love. With a kind and grounded companion, your imagination turns love into poetry.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>starkindle: cannot write the answer: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: starkindle [OPTION]...
  or:  starkindle --sign DATE[THH:MM[Z|+HH:MM|-HH:MM]]...
Tells the zodiac sign in which the asteroid Eros stood on a birthday
between %1 and %2, with a reading for that sign.
For %3 to %4 the sign comes from the program&apos;s original table; for
the other years from an ephemeris computed from JPL&apos;s orbit of Eros,
at 12:00 UT of the date.

Options:
  -h, --help        show this help and exit
      --version     show the version and exit
      --sign DATE...  print &apos;DATE SIGN&apos; for each date (YYYY-MM-DD,
                    %1-01-01 to %2-12-31) and exit, no display needed.
                    With a time (THH:MM, then Z for UT, a UTC offset,
                    or nothing for the time zone of TZ or the system&apos;s)
                    the sign at that moment; %3 to %4 still answer by
                    the date as written. &apos;-&apos; reads dates from standard
                    input, one a line. A date refused is named on
                    standard error, the others answered, and the exit
                    status is 2.

Qt&apos;s own options are accepted too, among them -platform NAME,
-display DISPLAY, -style STYLE and -reverse.
The program needs a graphical session (X11, or Wayland with qt6-wayland).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a date from %2-01-01 to %3-12-31 (YYYY-MM-DD, optionally with THH:MM and Z, +HH:MM or -HH:MM)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is a local time the clocks skip in this time zone
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; is not a moment from %2-01-01T00:00Z to %3-12-31T23:59Z
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starkindle: &apos;%1&apos; happens twice in this time zone, in two signs: add its UTC offset (+HH:MM or -HH:MM)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starkindle: option &apos;--sign&apos; needs at least one date
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starkindle: cannot read standard input: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starkindle: option &apos;%1&apos; needs a value
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starkindle: unrecognized option &apos;%1&apos;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starkindle: unexpected argument &apos;%1&apos;
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Starkindle icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starkindle describes the placement of the asteroid Eros in your birth chart. This asteroid is also known as the Cupid. This sign helps you understand yourself and know more about your sexual urges and passionate feelings. It gives you an insight to your creative feelings. All rights to this software are reserved by Corvane Softwares.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Sexual Astrology Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eros is the god of sexual love and desire.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eros in your Chart is Placed in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your sexual astrology sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reading for your sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About This Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes on your sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swaps the sign and reading above for those of the other part of the day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show the reading for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eros in your Chart is Placed in %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Starkindle describes the placement of the asteroid Eros in your birth chart. This helps you know more about the sexual, passion, love and erotic side of your nature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find My &amp;Sexual Astrology Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmNagScreen2</name>
    <message>
        <source>Starkindle icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Corvane Softwares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starkindle is one of a whole family of small programs from Corvane Softwares: astrology and numerology readings, personal organisers, learning aids and handy everyday tools. Most of them are free to download and try, and every one is made with the same care as this one. Spend a few minutes browsing the collection; you may find just the tool you have been looking for, or a pleasant surprise to share with a friend.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Visit Corvane Softwares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit %1 now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvane Softwares can only make and maintain programs like this one with your support, and the best support you can give is to visit the Corvane discussion forum regularly and take part in it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please visit the Corvane discussion forum regularly and join in its discussions. Without you we cannot keep our programs maintained.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Corvane discussion forum is a free online discussion forum. Please visit it regularly and help us maintain this program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Corvane discussion forum needs your help. Please visit it regularly, so that we can develop more programs for you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>look</name>
    <message>
        <source>Opens a web page in your browser</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Your referral is too long to be sent. Please shorten your message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>promotion</name>
    <message>
        <source>Talk it over in the Corvane forum at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Your name and links go on every copy your visitors take home; see the Help for details. Click Here for more info on co-branding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>startup</name>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starkindle cannot start: it found no private folder for the lock that keeps a second copy from running. The system has no home folder on record for your user, and HOME is not a folder that only you can write to. Set HOME to such a folder and start Starkindle again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
