#include "content/FinancialTexts.h"

namespace orbika::content {

constexpr std::array<std::string_view, 12> kFinancialTexts = {
    // Aries
    "You want to be noticed, and money is one of the quickest ways you know to get there. "
    "Fame and fortune both appeal to you, not because you crave security but because you love "
    "to win, and a healthy bank balance feels like a trophy. You earn with energy and spend "
    "with the same fire. When something catches your eye you buy it now and think about it "
    "later, and a bold purchase can lift your mood for days. Your challenge is patience: "
    "savings grow slowly, and slow is not your pace. Set aside a fixed share of each pay "
    "packet before you see it, and then let yourself spend the rest freely. That way your "
    "generous, impulsive streak stays a joy instead of a worry.",
    // Taurus
    "You are the natural keeper of wealth in the zodiac. Money, to you, is not a game but a "
    "foundation, something solid you can build a comfortable life upon. You earn steadily, "
    "spend with care and rarely let a good bargain slip past you. Others trust you to manage "
    "shared funds because you check every figure and never gamble what you cannot afford to "
    "lose. You love fine things, good food and lasting quality, yet you would rather buy one "
    "excellent item than ten cheap ones. Your patience lets investments mature while others "
    "panic and sell. The only danger is holding on too tightly: now and then, let your money "
    "work and move, or it may sit idle while chances pass you by.",
    // Gemini
    "Money fascinates you the way everything fascinates you: as a puzzle with a hundred "
    "moving parts. You like to know how markets work, why prices rise and fall, and what the "
    "new way to pay, save or invest might be. You read the financial pages for the stories as "
    "much as for the numbers. This curiosity is a gift, because you spot opportunities early "
    "and can talk your way into a good deal. It is also a trap, because your attention moves "
    "on quickly and a plan started on Monday can be forgotten by Friday. You may hold several "
    "small accounts, side projects and half-finished schemes at once, and lose track of where "
    "your money actually sits. Your income can come from more than one source, which suits "
    "your restless mind. To keep ahead, write things down and review them each month. Pair "
    "your quick wit with one patient habit, and your lively interest in money can turn into "
    "genuine, lasting prosperity rather than a string of clever ideas.",
    // Cancer
    "For you, money means safety. You need to know there is something put aside for a rainy "
    "day, and you sleep better when the cupboards are full and the bills are paid early. This "
    "need for security makes you a careful, thoughtful saver who rarely takes wild risks with "
    "what you own. You think of your family and loved ones first, and much of your spending "
    "goes toward making your home warm and welcoming. You remember hard times, even ones long "
    "past, and that memory keeps you prudent. Sometimes, though, worry can hold you back from "
    "a sound opportunity. Trust your shrewd instincts, which are usually right, and remember "
    "that a well-chosen investment is also a way of protecting those you love.",
    // Leo
    "You were born to live well, and you see no reason to hide it. Riches suit you, and you "
    "spend them with style, on beautiful clothes, grand evenings and generous gifts for the "
    "people you adore. Sharing your luck delights you. You are willing to take a chance when "
    "the reward looks large, and your confidence often carries you through. Bold ventures, a "
    "business of your own or a daring investment can pay off handsomely for you. Still, pride "
    "can make it hard to admit when a gamble is going wrong. Learn to cut your losses early "
    "and keep a reserve that no grand idea may touch. With that safety net in place, your "
    "courage and your flair can build a fortune worthy of the royal sign you are.",
    // Virgo
    "Common sense is your strongest financial asset. You read the small print, compare prices "
    "and know exactly what comes in and what goes out each month. Other signs may chase quick "
    "riches, but you prefer a careful plan that you understand from start to finish. You are "
    "rarely fooled by a smooth sales pitch, because you ask the practical questions no one "
    "else thinks to ask. Your budget is detailed, your receipts are filed and your savings "
    "grow quietly over the years. Caution serves you well, yet it can become anxiety if you "
    "let it. Not every expense is a mistake, and not every risk is reckless. Allow yourself a "
    "modest sum to enjoy without analysis, and now and then trust a well-researched "
    "opportunity. Your thrift and good judgement will keep you secure; a little flexibility "
    "will let you enjoy the comfort you have worked so hard to earn.",
    // Libra
    "You seek balance in everything, and your finances are no exception. You like your "
    "accounts to be fair and orderly, with income and spending held in graceful proportion. "
    "When it comes to a big purchase you weigh every option, compare every model and ask "
    "friends for their opinion, and the decision can take weeks. This slowness protects you "
    "from rash mistakes. You have refined taste and a weakness for lovely things, art, "
    "clothes and pleasant surroundings, so beauty is where your money tends to go. "
    "Partnerships, in love and in business, often improve your fortunes in lasting ways. Make "
    "your choices a little faster when the facts are clear, and your balanced approach will "
    "serve you well.",
    // Scorpio
    "You understand money as power, and you guard your financial affairs closely. Very few "
    "people ever know what you truly earn or own. Your great strength is resilience. When a "
    "crisis strikes, a lost job, a failed venture or a sudden debt, you do not collapse. You "
    "go quiet, hold your cards close, study the situation and rebuild with fierce "
    "determination, often ending up stronger than before. Many of your kind have lost "
    "everything once and then made a second fortune. You have a sharp instinct for hidden "
    "value, for investments others overlook and for what lies beneath a deal. Shared "
    "resources, inheritance and joint ventures play a large part in your life. Be wary of "
    "all-or-nothing moves driven by pride or emotion. Your talent for renewal is remarkable, "
    "but it is wiser still to avoid the fall.",
    // Sagittarius
    "Money comes and goes for you like a friendly traveller. You spend freely on adventure, "
    "books, journeys and good times with friends, and you rarely worry about tomorrow. "
    "Remarkably, luck seems to follow you. Just when funds run low, a windfall, a new job "
    "offer or a generous friend suddenly appears. This cheerful optimism is a large part of "
    "your charm, and it often pays. Yet luck is not a plan. You may promise more than your "
    "purse can hold or take a gamble simply for the thrill. A simple budget, even a loose "
    "one, will give you the freedom you love without the sudden shocks. Keep some savings for "
    "the trips you dream about, and your lucky star will have something solid to shine upon.",
    // Capricorn
    "You handle money like a seasoned fund manager. You plan years ahead, set clear goals and "
    "follow them with discipline. Every expense must earn its place, and you are happy to "
    "delay pleasure today for security tomorrow. You respect tradition, steady growth and "
    "institutions that have proven themselves over time. Friends and colleagues turn to you "
    "for advice, and they are right to. Your wealth often grows slowly in youth and strongly "
    "in later life. Beware of becoming so focused on the next goal that you forget to enjoy "
    "what you have already earned. A little generosity toward yourself will not harm the "
    "balance sheet.",
    // Aquarius
    "Money is simply not at the top of your list. You care about ideas, friends, causes and "
    "the future of the world, and wealth interests you only as a tool for bigger aims. You "
    "may give freely to a cause you believe in or spend on a gadget that fascinates you, "
    "while ignoring the bills. Your unusual thinking can lead to original ways of earning, "
    "sometimes very profitable ones. Because cash means so little to you, it is easy to lose "
    "track of it. Automate your savings and payments so that the dull work is done for you. "
    "Then you are free to pursue your ideals without worrying where the rent will come from.",
    // Pisces
    "You are a dreamer, always searching for something just beyond the horizon: a deeper "
    "meaning, a better place, a more beautiful life. This restless quest shapes your "
    "relationship with money. You may spend on retreats, art, music, travel or courses that "
    "promise to bring you closer to what you seek, and you give generously to anyone with a "
    "sad story. Money slips through your fingers like water, and you often cannot say exactly "
    "where it went. Practical details such as budgets, contracts and tax returns bore you, "
    "and you may avoid them until they become urgent. Yet your intuition is powerful, and "
    "when you listen to it you can sense which paths will reward you. Creative and caring "
    "work can bring a good income. The cost of your search need not be ruin. Find a trusted, "
    "practical adviser, keep a modest reserve untouched, and let your dreams guide your "
    "purpose while common sense guards your purse. Then the journey becomes a joy.",
};

} // namespace orbika::content
