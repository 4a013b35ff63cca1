#include "astro/SignReadings.h"

#include <QCoreApplication>

#include <array>
#include <cstddef>

namespace astro {

namespace {

// The readings are shown to the user exactly as stored, so every character
// counts: the odd double space, the trailing spaces and Virgo's missing full
// stop are part of the shipped text and must not be tidied away. Pieces are
// split after a space so that joining them changes nothing. They are UTF-8
// and the source texts of their translations.
constexpr std::array<const char *, SignCount> Texts = {
    // Aries
    QT_TRANSLATE_NOOP("SignReadings",
        "The placement or Eros in this cardinal fire sign is a spark thrown into dry grass. Mars, "
        "ruler of Aries, lends your desire speed and daring, so you fall for someone in a "
        "heartbeat and see no reason to wait for permission. You love the chase as much as the "
        "prize, and a partner who plays a little hard to get keeps your pulse racing. In bed you "
        "are direct, playful and generous with your energy, preferring honest hunger to coy "
        "games. Boredom is your real rival; routine cools you faster than any quarrel. Learn to "
        "linger, because tenderness shown slowly can be as thrilling as a sudden kiss. The lover "
        "who can match your courage and still slow you down now and then will hold your heart for "
        "a very long time."),
    // Taurus
    QT_TRANSLATE_NOOP("SignReadings",
        "Dominated by the goddess of love, Venus, Taurus is steeped in sensual pleasure, and Eros "
        "here turns desire into something you can touch, taste and savour. You never hurry. "
        "Seduction for you is a long, slow dinner by candlelight, silk sheets, a favourite song "
        "and the warmth of skin against skin. Once you have chosen a partner you are loyal, "
        "affectionate and deeply devoted, and you expect the same steadiness in return. Your "
        "earthy nature makes you a patient, attentive lover who remembers precisely what pleases. "
        "Possessiveness can creep in when you feel insecure, so let trust do the work that "
        "jealousy never could. Given time and comfort, your passion grows richer every year."),
    // Gemini
    QT_TRANSLATE_NOOP("SignReadings",
        "When Eros is coupled with Gemini, the sign of communication, desire begins in the mind. "
        "Ruled by quick-witted Mercury, you are seduced by clever words, teasing messages and "
        "long late-night conversations that wander everywhere. A partner who cannot keep up with "
        "your banter will not hold your interest, however attractive. You like variety and flirt "
        "almost without noticing, which can make others wonder how serious you are. Love for you "
        "must stay light on its feet, curious and full of surprises; the cliché of roses every "
        "Friday leaves you cold. When you find someone who is both playmate and best friend, your "
        "restless airy heart settles happily at last.  "),
    // Cancer
    QT_TRANSLATE_NOOP("SignReadings",
        "A person with Eros in Cancer is eager to share a home as well as a bed. Ruled by the "
        "Moon, this water sign makes your desire tidal, rising and falling with your moods and "
        "with how safe you feel.  You need emotional closeness before physical intimacy can truly "
        "flower, and you give yourself fully once you trust. Caring for a partner is one of your "
        "deepest pleasures: cooking for them, remembering their childhood stories, holding them "
        "close when the world outside turns harsh. Under your protective shell lies a sensitive "
        "and romantic soul who can be deeply hurt by a careless word. You may retreat when "
        "wounded, so a lover must learn patience. Treated tenderly, you return a devotion that "
        "lasts a lifetime. "),
    // Leo
    QT_TRANSLATE_NOOP("SignReadings",
        "When Eros, the God of love occupies this fiery sign, romance becomes a grand performance "
        "and you are its radiant star. Ruled by the Sun, you love with warmth, generosity and a "
        "flair for drama. You want to be adored, admired and told so often, and in return you "
        "shower your partner with attention, gifts and loyal affection. Passion for you is bold "
        "and playful; you enjoy dressing up, setting the scene and making each night feel like an "
        "occasion. Pride is your weak spot, since a bruised ego can turn your fire into sulking. "
        "Choose a lover who applauds you sincerely and is confident enough to shine beside you. "
        "Together you can make a love story worth retelling."),
    // Virgo
    QT_TRANSLATE_NOOP("SignReadings",
        "Whimsical and moody at times, you are a fine combination of cool reason and hidden "
        "sensuality. Mercury rules this earth sign, so you study a potential partner carefully "
        "before you let anyone close, noticing each small gesture and each broken promise. Your "
        "standards are high and you can be critical, yet that same attention to detail makes you "
        "a thoughtful and devoted lover. You show affection through practical care, fixing what "
        "is broken, planning the perfect weekend, quietly remembering what your partner likes. "
        "Beneath a modest, reserved exterior lies a surprisingly earthy appetite that only a "
        "trusted lover ever sees. Let go of the need for perfection and allow yourself to be "
        "adored as you are, flaws and all, and passion will follow naturally"),
    // Libra
    QT_TRANSLATE_NOOP("SignReadings",
        "Taking part in many activities with your partner is essential to you, because for Libra "
        "love is a shared adventure rather than a private refuge. Venus rules this airy sign, "
        "giving you charm, grace and a keen eye for beauty. You are drawn to elegant, refined "
        "people and you court them with compliments, good taste and gentle persuasion. Harmony "
        "matters to you enormously; arguments upset your balance, and you may keep quiet rather "
        "than risk a scene. In intimacy you are considerate and romantic, always attentive to "
        "what pleases the other person. The risk is losing yourself in trying to be the perfect "
        "companion. Speak up for your own desires, and you will find a partnership of true "
        "equals. "),
    // Scorpio
    QT_TRANSLATE_NOOP("SignReadings",
        "The most intriguing position of 12 zodiacs, Eros is all intensity in Scorpio. Ruled by "
        "Pluto and Mars, this water sign gives you a magnetic, nearly hypnotic pull that others "
        "feel the very moment you walk into a crowded room. Desire for you is never casual; you "
        "want to merge body and soul with a partner and discover every secret they keep. Your "
        "passion is deep, loyal and transformative, yet you guard your own vulnerability "
        "fiercely. Jealousy and a need to control can surface when trust is shaken, and you "
        "rarely if ever forgive betrayal. A lover who is honest, brave and unafraid of emotional "
        "depth will share with you a bond unlike any other. "),
    // Sagittarius
    QT_TRANSLATE_NOOP("SignReadings",
        "If you have Eros in Sagittarius, you are keen to explore the world and your own heart "
        "with equal enthusiasm. Jupiter, the planet of expansion, rules this fire sign, so your "
        "love life tends to be generous, optimistic and full of laughter.  You are attracted to "
        "people from different backgrounds, bold thinkers and fellow travellers who can talk "
        "philosophy over breakfast in a foreign city. Freedom is precious; a partner who tries to "
        "fence you in will soon find the gate open and you gone. In bed you are spontaneous, "
        "open-minded and cheerful, treating pleasure as one more adventure. Honesty comes "
        "naturally, though sometimes too bluntly for gentler hearts. Commitment is possible when "
        "it feels like a journey rather than a cage. Share your dreams, pack light, and let your "
        "lover walk beside you rather than behind you, and the road ahead will be bright. "),
    // Capricorn
    QT_TRANSLATE_NOOP("SignReadings",
        "Judgmental in your attitude towards others, you will never indulge in a romance that you "
        "consider unworthy of your time. Saturn rules this earth sign, making you cautious, "
        "ambitious and reserved in matters of the heart. You take love seriously and prefer a "
        "partner with status, discipline and clear goals. Courtship with you is slow and "
        "deliberate, and some may mistake your restraint for coldness. Yet behind that composed "
        "exterior lies a strong physical nature and a surprisingly dry, wicked sense of humour. "
        "Once committed, you are faithful, protective and dependable, building a relationship as "
        "carefully as a career. Allow yourself to relax and play, because even the most solid "
        "mountain needs spring."),
    // Aquarius
    QT_TRANSLATE_NOOP("SignReadings",
        "Following the same well-trodden path is not your way of loving. With Eros in this air "
        "sign ruled by Uranus, you are drawn to the unusual, the eccentric and the gifted. "
        "Friendship is the foundation of every romance for you, and a partner must first win your "
        "mind before winning your body. You value independence highly and can seem detached, even "
        "when your feelings run strong. Unconventional arrangements do not frighten you, and you "
        "enjoy experimenting with new ideas in love as in life. Possessive or clingy lovers make "
        "you feel trapped. Someone who respects your space, shares your ideals and surprises you "
        "now and then will find you loyal in your own original way. "),
    // Pisces
    QT_TRANSLATE_NOOP("SignReadings",
        "In this sign, Eros loses his self assertive ego even as he gains a boundless capacity "
        "for tenderness. Ruled by Neptune, this water sign makes you dreamy, compassionate and "
        "deeply romantic. You long for a soul mate and may idealise a lover, seeing the poet "
        "rather than the person. Intimacy for you is a spiritual experience as much as a physical "
        "one, full of soft music, candlelight and whispered fantasies. You sense a partner's "
        "needs intuitively and give without ever keeping score. Be wary of rescuing wounded "
        "souls, since sacrifice can turn into a sad cliché of the martyr in love. With a kind and "
        "grounded companion, your imagination turns love into poetry."),
};

} // namespace

QString Reading(Sign sign)
{
    return QCoreApplication::translate("SignReadings", Texts[static_cast<std::size_t>(sign)]);
}

} // namespace astro
