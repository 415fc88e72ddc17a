#include "content/PlanetTexts.h"

namespace orbika::content {

constexpr std::array<std::string_view, 12> kPlutoTexts = {
    // Aries
    "",
    // Taurus
    "",
    // Gemini
    "With Pluto in Gemini, your power lives in words and ideas. You change things by asking "
    "questions others avoid, and a single conversation can redirect your whole path. "
    "Curiosity is your key to renewal.",
    // Cancer
    "With Pluto in Cancer, your deepest changes begin at home and in the family. You hold on "
    "tightly, yet when you finally let go of an old bond, you grow bolder. Security you "
    "build yourself is your true power.",
    // Leo
    "With Pluto in Leo, you are driven to leave your mark and to be seen for who you really "
    "are. Your power grows when you create, lead and take the stage bravely. Pride can trap "
    "you, but each time you rise above it you are reborn with a warmer, more generous heart "
    "and a bigger vision.",
    // Virgo
    "With Pluto in Virgo, you transform your life through work, health and careful daily "
    "habits. You see what is broken and calmly set it right. Your power lies in skill and "
    "service, and small steady changes add up to a whole new you.",
    // Libra
    "With Pluto in Libra, your greatest changes come through partnership. Each close "
    "relationship reshapes you, and you are drawn to fairness and balance. Your power is in "
    "bringing people together and in knowing when a deal or a bond must end.",
    // Scorpio
    "With Pluto in Scorpio, you feel life at full intensity. Nothing is shallow for you, and "
    "you are not afraid of crises, loss and secrets. You rise again after every ending, "
    "stronger and wiser than ever before.",
    // Sagittarius
    "With Pluto in Sagittarius, your power comes from belief and the search for meaning. "
    "Travel, studies and big ideas change you deeply. When a faith no longer fits, you let "
    "it go and find a truer one.",
    // Capricorn
    "With Pluto in Capricorn, you reshape the world through structure and ambition. You "
    "respect authority yet you test it. Your power grows with patience, discipline and duty.",
    // Aquarius
    "",
    // Pisces
    "",
};

constexpr std::array<std::string_view, 12> kJupiterTexts = {
    // Aries
    "With Jupiter in Aries, your luck comes when you act first and ask questions later. Bold "
    "starts, fresh ventures and brave risks tend to reward you. Trust your instincts, take "
    "the lead, and opportunities will open as you move.",
    // Taurus
    "With Jupiter in Taurus, fortune grows slowly but surely for you. Patience, good taste "
    "and a steady hand with money bring enduring rewards. Invest in what is solid and real, "
    "and your wealth will keep building.",
    // Gemini
    "With Jupiter in Gemini, your luck travels through talk, trade and connections. A chance "
    "remark, a phone call or a short trip can open a new door for you. The more you learn, "
    "share and network, the more opportunities seem to find you.",
    // Cancer
    "With Jupiter in Cancer, luck flows from home, family and caring for others. Property "
    "and savings often serve you well, and the kindness you give comes back to you many "
    "times over.",
    // Leo
    "With Jupiter in Leo, your luck shines brightest when you step into the spotlight. "
    "Generosity, confidence and a flair for the dramatic draw success to you. People gladly "
    "back a leader with a big heart, so show your talents proudly, and recognition and "
    "reward will follow in good measure.",
    // Virgo
    "With Jupiter in Virgo, your fortune comes through hard work, skill and attention to "
    "detail. You prosper by being useful and by improving what others overlook. Careful "
    "planning, healthy routines and honest service bring you steady, reliable gains.",
    // Libra
    "With Jupiter in Libra, your luck arrives through other people. Partnerships, contracts "
    "and fair dealing bring you gains, and charm opens doors that force never could. Choose "
    "your allies wisely and share success.",
    // Scorpio
    "With Jupiter in Scorpio, fortune is found beneath the surface. Research, shared "
    "resources and investments can reward you well. Trust your sharp instincts, and keep "
    "your best plans private.",
    // Sagittarius
    "With Jupiter in Sagittarius, the planet of luck is at home, and your optimism is a "
    "magnet for good fortune. Travel, higher learning and foreign links can bring gains. Aim "
    "high, keep your faith in the future, but be careful not to promise more than you can "
    "give.",
    // Capricorn
    "With Jupiter in Capricorn, your luck is earned rather than given. Discipline, long-term "
    "goals and respect for traditions bring success that lasts. Your rewards grow with every "
    "year.",
    // Aquarius
    "With Jupiter in Aquarius, luck comes through friends, groups and fresh ideas. "
    "Technology and causes that help many people can lift you up. Your original thinking is "
    "your greatest asset in life.",
    // Pisces
    "With Jupiter in Pisces, your luck is guided by intuition and compassion. Helping "
    "others, creative work and quiet faith bring unexpected blessings. Follow your dreams, "
    "but keep one foot on the ground.",
};

constexpr std::array<std::string_view, 12> kMercuryTexts = {
    // Aries
    "With Mercury in Aries, you think fast and speak your mind directly. You make fast "
    "decisions and like to get to the point. Your ideas come in bright flashes, and you "
    "argue with zest. Pause to listen, and your words will carry weight.",
    // Taurus
    "With Mercury in Taurus, you think carefully and speak with quiet authority. You take "
    "your time making a decision, but once your mind is made up it seldom changes. You learn "
    "best by doing, and your practical good sense makes people trust your advice on money.",
    // Gemini
    "With Mercury in Gemini, your mind is quick, curious and endlessly busy. You love to "
    "talk, read, write and trade ideas, and you can follow several threads at once. Learning "
    "comes easily to you, and you adapt to new facts in a flash. Your challenge is focus, so "
    "finish one project before starting the next.",
    // Cancer
    "With Mercury in Cancer, you think with your feelings and remember all that touched your "
    "heart. You communicate with warmth and care, and you sense what others mean even when "
    "they do not say it. Your decisions are guided by instinct and by the needs of those you "
    "love, and your memory is a treasure.",
    // Leo
    "With Mercury in Leo, you speak with confidence, color and a natural sense of drama. "
    "People listen when you tell a story, and you can inspire an entire room. You think in "
    "big, bold terms and make decisions from the heart. Stay open to other views, and others "
    "will follow you.",
    // Virgo
    "With Mercury in Virgo, your mind is sharp, precise and analytical. You notice small "
    "details that others miss, and you love to sort, organize and improve. You learn through "
    "careful study and make decisions only after weighing every fact. Your words are clear "
    "and useful, but try not to fret too much over small things.",
    // Libra
    "With Mercury in Libra, you are a natural diplomat who weighs every side before you "
    "speak. You communicate with grace, tact and charm, and you are skilled at finding "
    "common ground. Decisions can take you a while, because you want to be fair, but the "
    "choices you make are balanced and wise.",
    // Scorpio
    "With Mercury in Scorpio, your mind is deep, probing and hard to deceive. You see "
    "through surface talk to the hidden motive, and you keep your own thoughts close. You "
    "learn by digging to the root of a subject. When you do speak, your words are few, "
    "direct and powerful.",
    // Sagittarius
    "With Mercury in Sagittarius, you think in broad strokes and dream big. You are honest, "
    "frank and enthusiastic, and you enjoy debating philosophy, travel and the meaning of "
    "life. You learn best when a subject inspires you and lose interest when it does not. "
    "Make your decisions with an eye on the future, but check the details too.",
    // Capricorn
    "With Mercury in Capricorn, you think in a practical, orderly and serious way. You plan "
    "ahead, choose your words with care and make decisions based on what works. You learn "
    "through structure and experience, and people value your sound judgment in business. "
    "Patience is your strength.",
    // Aquarius
    "With Mercury in Aquarius, your mind is original, inventive and ahead of its time. You "
    "enjoy new ideas, science and technology, and you are not afraid to think differently "
    "from the crowd. You communicate candidly and value truth over polite agreement. "
    "Decisions come to you in sudden flashes of insight.",
    // Pisces
    "With Mercury in Pisces, you think in pictures, feelings and impressions. Your "
    "imagination is vivid, and you often know things without knowing how. You communicate "
    "with gentle empathy, so trust your intuition in your decisions.",
};

constexpr std::array<std::string_view, 12> kVestaTexts = {
    // Aries
    "With Vesta in Aries, your energy burns hot and fast. You are devoted to fresh "
    "challenges and personal goals. Start boldly, but pace yourself to avoid burnout.",
    // Taurus
    "With Vesta in Taurus, your energy is steady and enduring. You devote yourself to "
    "building security, comfort and beauty. Rest, good food and time in nature restore you "
    "when you feel drained.",
    // Gemini
    "With Vesta in Gemini, your drive is fed by ideas, learning and conversation. You give "
    "yourself to writing, teaching and sharing news. Focus on one goal at a time to keep "
    "your spark.",
    // Cancer
    "With Vesta in Cancer, your devotion flows to home and family. You draw energy from "
    "caring for those you love and from making a safe place. Remember to nurture yourself "
    "too, or your reserves run low.",
    // Leo
    "With Vesta in Leo, your energy is warm, creative and generous. You pour your heart into "
    "self-expression, play and the people who admire you. Keep your drive strong by doing "
    "work you are proud of, and take time to enjoy the results.",
    // Virgo
    "With Vesta in Virgo, your focus is on work, health and service. You are devoted to "
    "doing things right. Concentrate on what truly matters, and let go of needless "
    "perfection.",
    // Libra
    "With Vesta in Libra, you devote your energy to partnerships, harmony and beauty. You "
    "thrive in teamwork, but keep some of your strength for your own dreams.",
    // Scorpio
    "With Vesta in Scorpio, your drive is intense and secret. You commit fully to deep bonds "
    "and hidden causes. Release old grudges to stay strong.",
    // Sagittarius
    "With Vesta in Sagittarius, your energy rises with a quest. You are devoted to truth, "
    "learning, travel and faith. Concentrate on goals that give your life meaning, and you "
    "will never run short of fire and spirit.",
    // Capricorn
    "With Vesta in Capricorn, your drive is strong and steady. You devote yourself to "
    "career, duty and long-range goals. Keep work in balance with rest, and your ambition "
    "will carry you far in life.",
    // Aquarius
    "With Vesta in Aquarius, your energy serves the group and the future. You are devoted to "
    "friends and causes. Guard your own time to stay fresh.",
    // Pisces
    "With Vesta in Pisces, your devotion is spiritual and compassionate. You give freely to "
    "others and to your dreams. Set gentle limits so that your energy is never drained.",
};

} // namespace orbika::content
