#include "astro/SignReadings.h"

#include <array>
#include <cstddef>

namespace astro {

namespace {

// The readings are shown to the user exactly as stored, so every character
// counts: the odd double space, the trailing spaces and Virgo's missing full
// stop are part of the shipped text and must not be tidied away. Pieces are
// split after a space so that joining them changes nothing.
constexpr std::array<QStringView, SignCount> Texts = {
    // Aries
    u"The placement or Eros in this cardinal fire sign is a spark thrown into dry grass. Mars, "
    u"ruler of Aries, lends your desire speed and daring, so you fall for someone in a "
    u"heartbeat and see no reason to wait for permission. You love the chase as much as the "
    u"prize, and a partner who plays a little hard to get keeps your pulse racing. In bed you "
    u"are direct, playful and generous with your energy, preferring honest hunger to coy "
    u"games. Boredom is your real rival; routine cools you faster than any quarrel. Learn to "
    u"linger, because tenderness shown slowly can be as thrilling as a sudden kiss. The lover "
    u"who can match your courage and still slow you down now and then will hold your heart for "
    u"a very long time.",
    // Taurus
    u"Dominated by the goddess of love, Venus, Taurus is steeped in sensual pleasure, and Eros "
    u"here turns desire into something you can touch, taste and savour. You never hurry. "
    u"Seduction for you is a long, slow dinner by candlelight, silk sheets, a favourite song "
    u"and the warmth of skin against skin. Once you have chosen a partner you are loyal, "
    u"affectionate and deeply devoted, and you expect the same steadiness in return. Your "
    u"earthy nature makes you a patient, attentive lover who remembers precisely what pleases. "
    u"Possessiveness can creep in when you feel insecure, so let trust do the work that "
    u"jealousy never could. Given time and comfort, your passion grows richer every year.",
    // Gemini
    u"When Eros is coupled with Gemini, the sign of communication, desire begins in the mind. "
    u"Ruled by quick-witted Mercury, you are seduced by clever words, teasing messages and "
    u"long late-night conversations that wander everywhere. A partner who cannot keep up with "
    u"your banter will not hold your interest, however attractive. You like variety and flirt "
    u"almost without noticing, which can make others wonder how serious you are. Love for you "
    u"must stay light on its feet, curious and full of surprises; the cliché of roses every "
    u"Friday leaves you cold. When you find someone who is both playmate and best friend, your "
    u"restless airy heart settles happily at last.  ",
    // Cancer
    u"A person with Eros in Cancer is eager to share a home as well as a bed. Ruled by the "
    u"Moon, this water sign makes your desire tidal, rising and falling with your moods and "
    u"with how safe you feel.  You need emotional closeness before physical intimacy can truly "
    u"flower, and you give yourself fully once you trust. Caring for a partner is one of your "
    u"deepest pleasures: cooking for them, remembering their childhood stories, holding them "
    u"close when the world outside turns harsh. Under your protective shell lies a sensitive "
    u"and romantic soul who can be deeply hurt by a careless word. You may retreat when "
    u"wounded, so a lover must learn patience. Treated tenderly, you return a devotion that "
    u"lasts a lifetime. ",
    // Leo
    u"When Eros, the God of love occupies this fiery sign, romance becomes a grand performance "
    u"and you are its radiant star. Ruled by the Sun, you love with warmth, generosity and a "
    u"flair for drama. You want to be adored, admired and told so often, and in return you "
    u"shower your partner with attention, gifts and loyal affection. Passion for you is bold "
    u"and playful; you enjoy dressing up, setting the scene and making each night feel like an "
    u"occasion. Pride is your weak spot, since a bruised ego can turn your fire into sulking. "
    u"Choose a lover who applauds you sincerely and is confident enough to shine beside you. "
    u"Together you can make a love story worth retelling.",
    // Virgo
    u"Whimsical and moody at times, you are a fine combination of cool reason and hidden "
    u"sensuality. Mercury rules this earth sign, so you study a potential partner carefully "
    u"before you let anyone close, noticing each small gesture and each broken promise. Your "
    u"standards are high and you can be critical, yet that same attention to detail makes you "
    u"a thoughtful and devoted lover. You show affection through practical care, fixing what "
    u"is broken, planning the perfect weekend, quietly remembering what your partner likes. "
    u"Beneath a modest, reserved exterior lies a surprisingly earthy appetite that only a "
    u"trusted lover ever sees. Let go of the need for perfection and allow yourself to be "
    u"adored as you are, flaws and all, and passion will follow naturally",
    // Libra
    u"Taking part in many activities with your partner is essential to you, because for Libra "
    u"love is a shared adventure rather than a private refuge. Venus rules this airy sign, "
    u"giving you charm, grace and a keen eye for beauty. You are drawn to elegant, refined "
    u"people and you court them with compliments, good taste and gentle persuasion. Harmony "
    u"matters to you enormously; arguments upset your balance, and you may keep quiet rather "
    u"than risk a scene. In intimacy you are considerate and romantic, always attentive to "
    u"what pleases the other person. The risk is losing yourself in trying to be the perfect "
    u"companion. Speak up for your own desires, and you will find a partnership of true "
    u"equals. ",
    // Scorpio
    u"The most intriguing position of 12 zodiacs, Eros is all intensity in Scorpio. Ruled by "
    u"Pluto and Mars, this water sign gives you a magnetic, nearly hypnotic pull that others "
    u"feel the very moment you walk into a crowded room. Desire for you is never casual; you "
    u"want to merge body and soul with a partner and discover every secret they keep. Your "
    u"passion is deep, loyal and transformative, yet you guard your own vulnerability "
    u"fiercely. Jealousy and a need to control can surface when trust is shaken, and you "
    u"rarely if ever forgive betrayal. A lover who is honest, brave and unafraid of emotional "
    u"depth will share with you a bond unlike any other. ",
    // Sagittarius
    u"If you have Eros in Sagittarius, you are keen to explore the world and your own heart "
    u"with equal enthusiasm. Jupiter, the planet of expansion, rules this fire sign, so your "
    u"love life tends to be generous, optimistic and full of laughter.  You are attracted to "
    u"people from different backgrounds, bold thinkers and fellow travellers who can talk "
    u"philosophy over breakfast in a foreign city. Freedom is precious; a partner who tries to "
    u"fence you in will soon find the gate open and you gone. In bed you are spontaneous, "
    u"open-minded and cheerful, treating pleasure as one more adventure. Honesty comes "
    u"naturally, though sometimes too bluntly for gentler hearts. Commitment is possible when "
    u"it feels like a journey rather than a cage. Share your dreams, pack light, and let your "
    u"lover walk beside you rather than behind you, and the road ahead will be bright. ",
    // Capricorn
    u"Judgmental in your attitude towards others, you will never indulge in a romance that you "
    u"consider unworthy of your time. Saturn rules this earth sign, making you cautious, "
    u"ambitious and reserved in matters of the heart. You take love seriously and prefer a "
    u"partner with status, discipline and clear goals. Courtship with you is slow and "
    u"deliberate, and some may mistake your restraint for coldness. Yet behind that composed "
    u"exterior lies a strong physical nature and a surprisingly dry, wicked sense of humour. "
    u"Once committed, you are faithful, protective and dependable, building a relationship as "
    u"carefully as a career. Allow yourself to relax and play, because even the most solid "
    u"mountain needs spring.",
    // Aquarius
    u"Following the same well-trodden path is not your way of loving. With Eros in this air "
    u"sign ruled by Uranus, you are drawn to the unusual, the eccentric and the gifted. "
    u"Friendship is the foundation of every romance for you, and a partner must first win your "
    u"mind before winning your body. You value independence highly and can seem detached, even "
    u"when your feelings run strong. Unconventional arrangements do not frighten you, and you "
    u"enjoy experimenting with new ideas in love as in life. Possessive or clingy lovers make "
    u"you feel trapped. Someone who respects your space, shares your ideals and surprises you "
    u"now and then will find you loyal in your own original way. ",
    // Pisces
    u"In this sign, Eros loses his self assertive ego even as he gains a boundless capacity "
    u"for tenderness. Ruled by Neptune, this water sign makes you dreamy, compassionate and "
    u"deeply romantic. You long for a soul mate and may idealise a lover, seeing the poet "
    u"rather than the person. Intimacy for you is a spiritual experience as much as a physical "
    u"one, full of soft music, candlelight and whispered fantasies. You sense a partner's "
    u"needs intuitively and give without ever keeping score. Be wary of rescuing wounded "
    u"souls, since sacrifice can turn into a sad cliché of the martyr in love. With a kind and "
    u"grounded companion, your imagination turns love into poetry.",
};

} // namespace

QString Reading(Sign sign)
{
    return Texts[static_cast<std::size_t>(sign)].toString();
}

std::optional<QString> ReadingFor(QStringView signName)
{
    // Same exact, case-sensitive comparison as everywhere else a sign name is
    // matched, so a name either finds its reading here or nowhere.
    if (const auto sign = SignFromName(signName))
        return Reading(*sign);
    return std::nullopt;
}

} // namespace astro
