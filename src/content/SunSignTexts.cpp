#include "content/SunSignTexts.h"

namespace orbika::content {

constexpr std::array<std::string_view, 12> kPositiveTraits = {
    // Aries
    "You meet life head-on, and that is your gift. Where others hesitate, you have already "
    "taken the first step, and your courage gives the people around you permission to be brave "
    "too. You are a natural starter: new projects, new ideas and new roads wake you up, and "
    "your energy can carry a whole team through the hard start that stops most plans. You are "
    "honest and direct, so people always know where they stand with you, and though your temper "
    "is quick, you never hold a grudge. You love a challenge and recover from setbacks faster "
    "than almost anyone, treating a defeat as a lesson. Your enthusiasm is contagious, your "
    "loyalty is fierce, and when someone you care about needs a champion, you are the first to "
    "stand up for them.",
    // Taurus
    "You are the steady ground that others build on. Patient, reliable and calm, you do not "
    "rush into things, but once you commit, you see them through with a quiet persistence that "
    "outlasts every doubt. You have a practical mind and a real talent for making resources "
    "grow, whether that means money, a garden or a friendship, because you understand that "
    "lasting value takes time. Your senses are finely tuned: you notice good food, fine fabric, "
    "a beautiful melody and the comfort of a well-kept home, and you share these pleasures "
    "generously with the people you love. You are loyal to the core and keep your word even "
    "when it costs you. In a crisis your presence steadies everyone, and your common sense "
    "often finds the simple answer that cleverer minds miss.",
    // Gemini
    "Your mind is quick, curious and endlessly alive. You notice connections others miss, pick "
    "up new skills with surprising ease and can talk to almost anyone about almost anything, "
    "which makes you a wonderful bridge between people and ideas. You are witty and playful, "
    "and your sense of humor lightens the heaviest day. Change does not frighten you; you adapt "
    "fast, juggle several tasks at once and find something interesting in every situation. You "
    "are a natural communicator, whether you write, teach, sell or simply tell a good story "
    "over dinner, and your words can open doors. Your youthful spirit keeps you learning all "
    "your life, and your openness to other points of view makes you fair-minded and hard to "
    "fool. With you, life is rarely dull.",
    // Cancer
    "You have a deep, protective heart and a rare gift for making people feel at home. Your "
    "intuition is remarkable: you sense moods before a word is spoken and often know what "
    "someone needs before they know it themselves. You care for your family and friends with "
    "devotion, and the people you love can count on you to remember their birthdays, their "
    "worries and their favorite meals. Your memory is long and rich, and you treasure "
    "traditions, old photographs and the stories that bind generations together. Beneath your "
    "gentle manner lies real tenacity; like the crab, you hold on to what matters and do not "
    "let go easily. You are also shrewd with money and resources, building security bit by bit "
    "so that those in your care never go without. Your imagination is vivid, your sympathy is "
    "genuine, and your kindness leaves a lasting mark on everyone who shares your table.",
    // Leo
    "You have a warmth that lights up every room you enter. Generous, big-hearted and proud in "
    "the best sense, you believe in yourself and, just as much, in the people around you. You "
    "are a natural leader, not because you demand attention but because others feel braver and "
    "more alive in your presence. Your creativity is strong and often dramatic; you love to "
    "express yourself, whether on a stage, in a boardroom or through the way you dress and "
    "decorate your home. You are loyal to your friends and protective of those you love, and "
    "once you give your heart, you give it completely. You have a deep sense of honor and "
    "dignity, and you expect fair play from yourself as well as from others. Your optimism is "
    "contagious, your laughter is easy, and you know how to turn an ordinary evening into a "
    "celebration. When life knocks you down, your pride helps you rise again, head held high. "
    "Children, artists and underdogs find a champion in you, and your encouragement can change "
    "the course of someone's life.",
    // Virgo
    "You have a sharp, analytical mind and an eye for the detail that everyone else overlooks. "
    "Practical, modest and hardworking, you find real satisfaction in doing a job well and in "
    "making things run smoothly. You are a natural problem solver, and people come to you for "
    "sound advice because you think before you speak. Your sense of service is genuine: you "
    "help quietly, without asking for applause. You care about health, order and good habits, "
    "and your steady effort turns small improvements into lasting results.",
    // Libra
    "You have a natural sense of balance, beauty and fairness. You see both sides of every "
    "question and can bring opposing people to a table where they actually listen to each "
    "other, which makes you a gifted diplomat and mediator. Your charm is real and gentle; you "
    "put others at ease, and your good manners and tact open doors that force would never open. "
    "You have refined taste and a feel for harmony in color, form and sound, so your "
    "surroundings and your work tend to look effortlessly elegant. Partnership brings out the "
    "very best in you, and you are a considerate, attentive companion who truly values the "
    "other person's point of view. Your sense of justice is strong, and you will speak up when "
    "something is unfair.",
    // Scorpio
    "You have depth, intensity and a will that few can match. When you decide something "
    "matters, you give it your full focus and do not stop until you reach the heart of it. Your "
    "perception is keen; you read between the lines, notice hidden motives and sense the truth "
    "behind polite words, which makes you an excellent researcher, investigator or strategist. "
    "You are fiercely loyal, and the few people you let into your inner circle gain a friend "
    "who will stand by them through anything. You are not afraid of difficult subjects, and "
    "your courage in facing pain and change gives you a remarkable power to heal and transform, "
    "both yourself and others. Your quiet magnetism draws people to you without effort.",
    // Sagittarius
    "You are an explorer at heart, always looking eagerly toward the next horizon. Optimistic, "
    "open-minded and full of good humor, you bring a sense of adventure to everything you do, "
    "and your enthusiasm can lift a whole group out of a gloomy mood. You love freedom and "
    "learning in equal measure; travel, philosophy, foreign cultures and big ideas feed your "
    "spirit, and you have a gift for seeing the larger meaning behind everyday events. You are "
    "honest, sometimes refreshingly so, and people trust you because you say what you think. "
    "Your generosity is spontaneous, and you freely share your time, your knowledge and your "
    "laughter without keeping score. You believe in luck and in people, and that faith has a "
    "way of becoming self-fulfilling. As a teacher, guide or friend, you inspire others to "
    "think bigger, aim higher and trust that the road ahead holds something wonderful.",
    // Capricorn
    "You are ambitious, disciplined and wonderfully patient. You set long-term goals and climb "
    "toward them step by step, and your capacity for steady, careful work lets you achieve what "
    "others only talk about. You take responsibility seriously; people rely on you because you "
    "keep your promises and show up when it counts. You have a practical grasp of money, "
    "structure and organization, and you are often the one who builds something that lasts, "
    "whether a business, a career or a family tradition. Your dry sense of humor surprises "
    "those who think you are all serious, and your loyalty to the people you love runs deep. "
    "With the years you tend to grow lighter and more confident, reaping the reward of "
    "everything you so patiently sowed.",
    // Aquarius
    "You are an original thinker with your eyes on the future. Independent and inventive, you "
    "question old rules and imagine better ways of doing things, and your ideas are often far "
    "ahead of their time. You care about people in a broad, humanitarian way, and you are drawn "
    "to causes, communities and groups that aim to make the world fairer. You are a loyal "
    "friend who accepts others exactly as they are, however unusual, and you treat everyone as "
    "an equal, from the janitor to the chairman. Your mind is clear and objective, so you can "
    "stay calm and reasonable when emotions run high. Science, technology and new ideas "
    "fascinate you, and you are not afraid to stand apart from the crowd when you believe you "
    "are right. Your vision inspires others to change.",
    // Pisces
    "You have a gentle, compassionate soul and an imagination without limits. You feel what "
    "others feel, often without a word being spoken, and your kindness makes people feel truly "
    "understood. Art, music, poetry and dreams speak straight to your heart, and you may well "
    "have a real creative or spiritual gift. You are adaptable and accepting, able to flow with "
    "change and to see the good in people others have given up on. Your intuition is strong, "
    "and your hunches about people and situations are often right. You give freely, forgive "
    "easily and bring a quiet magic to everyday life. In a hard world, your tenderness and "
    "faith remind everyone that softness is also a kind of strength.",
};

constexpr std::array<std::string_view, 12> kNegativeTraits = {
    // Aries
    "Your speed can become impatience. You may jump into decisions before you have all the "
    "facts, and then feel frustrated when the details you skipped come back to trip you up. "
    "Your temper flares quickly, and although you forget an argument just as fast, those you "
    "snapped at may remember it far longer. You love to start but can lose interest once the "
    "exciting beginning is over, leaving unfinished projects behind. Competition drives you, "
    "yet it can also make you impatient with slower people and unwilling to admit you were "
    "wrong. Learning to pause, listen and follow through will make your fire stronger.",
    // Taurus
    "Your steadiness can turn into stubbornness. Once you have made up your mind, it is hard "
    "for anyone to shift it, even when new facts say you should. You may resist change just "
    "because it is unfamiliar, and hold on to people, habits or possessions longer than is good "
    "for you. Your love of comfort can slide into indulgence, and when pushed too far, your "
    "slow-building anger can erupt with surprising force.",
    // Gemini
    "Your restless mind can scatter your energy. You may start many things and finish few, "
    "jumping to the next bright idea before the last one can grow. Because you see every side "
    "of a question, you can be hard to pin down, and others may find you inconsistent or "
    "changeable. Boredom is your enemy, and to escape it you may talk more than you listen, "
    "gossip a little or skim the surface of things that deserve depth. At times your head rules "
    "your heart so firmly you seem detached. Focus is the quiet skill that frees your talents.",
    // Cancer
    "Your sensitivity can make you easily hurt. You may take casual remarks personally, retreat "
    "into your shell and expect others to guess what is wrong instead of telling them. Your "
    "moods can shift like the tides, and the people around you may not always know which "
    "version of you they will meet. Because you hold on so tightly, you can find it hard to "
    "forgive, to let go of the past or to let grown children and old loves move on. Your "
    "protective care can tip into smothering or constant worry. When you feel insecure, you may "
    "cling to people and things more than is healthy.",
    // Leo
    "Your pride, so often a strength, can also trip you up. You like to be admired, and when "
    "the applause stops or someone fails to notice your efforts, you may feel deeply wounded. "
    "You can be domineering, assuming your way is the right way and taking charge even when no "
    "one asked you to. Criticism stings you more than you let on, and you may react with "
    "wounded dignity instead of listening to what is being said. Your generosity can become "
    "extravagance, and your love of the spotlight may leave quieter people feeling overlooked. "
    "At times you can be vain or stubborn. Learning to share the stage gracefully will make "
    "your light shine even brighter.",
    // Virgo
    "Your eye for detail can turn into perfectionism. You may be harsh with yourself, and your "
    "helpful suggestions can sound like criticism to others. Worry comes easily to you, and you "
    "may fret over small things until they feel like big ones. At times you are so busy fixing "
    "what is wrong that you forget to enjoy what is already good.",
    // Libra
    "Your wish to keep the peace can make you indecisive. You may weigh every option until the "
    "moment to choose has passed, or agree to things just to avoid conflict. You can lean too "
    "much on others' approval and lose sight of what you want. Behind your charm there may be "
    "quiet resentment when you have given in once too often. Honest words, said kindly, serve "
    "you well.",
    // Scorpio
    "Your intensity has a shadow side. You can be secretive, holding your true feelings back "
    "until they build into something hard to manage. When you feel betrayed, you may find it "
    "truly difficult to forgive, and a desire to get even can take hold of you. Jealousy and "
    "possessiveness can creep into your closest relationships, and your need for control may "
    "push away the very people you want near. You can also doubt kind motives and keep your "
    "guard up too long. Trust, given wisely, is your path to true peace.",
    // Sagittarius
    "Your love of freedom can make you restless and hard to tie down. You may promise more than "
    "you can deliver, then move on before the details are done. Your honesty, though well "
    "meant, can be blunt, and your words may hurt more than you realize. You can also be "
    "careless with money and time, impatient with routine and quick to treat sensible limits as "
    "an invitation to test them.",
    // Capricorn
    "Your ambition can become all-consuming. You may put work and status before rest, fun and "
    "the people you love, and then wonder why life feels heavy. You can be pessimistic, "
    "expecting the worst so you will not be disappointed, and your caution may hold you back "
    "from chances that deserve a yes. Others may find you cold and rigid, above all when you "
    "insist on doing things the way they have always been done. You are often too hard on "
    "yourself and slow to praise your work. Remember that success means little if you never "
    "stop to enjoy it with others.",
    // Aquarius
    "Your independence can become detachment. You may care deeply about humanity in general yet "
    "seem distant from the individual person in front of you, above all when emotions run high. "
    "You can be stubborn in your ideas, convinced you are right because you thought it through "
    "so carefully, and you may dismiss feelings as illogical. Your need to be different can "
    "turn into contrariness, rebelling against rules simply because they are rules. Friends "
    "sometimes find you unpredictable, warm one day and aloof the next. You may also resist "
    "closeness, fearing it will cost you freedom. Letting people in and showing them your heart "
    "will make your ideals stronger.",
    // Pisces
    "Your sensitivity can leave you overwhelmed. You may absorb other people's moods until you "
    "no longer know which feelings are your own. When reality becomes too harsh, you may "
    "retreat into daydreams, avoid hard decisions or look for an easy escape. Your kindness can "
    "be taken advantage of, and you may find it hard to say no to anyone. Clear boundaries and "
    "a little practical structure will protect your gentle gifts.",
};

constexpr std::array<std::string_view, 12> kFamousPersons = {
    // Aries
    // Thomas Jefferson 13 Apr 1743 (2 Apr Julian), Vincent van Gogh 30 Mar 1853, J. P. Morgan
    // 17 Apr 1837, Maya Angelou 4 Apr 1928, Hans Christian Andersen 2 Apr 1805
    "Thomas Jefferson, Vincent van Gogh, J. P. Morgan, Maya Angelou, Hans Christian Andersen",
    // Taurus
    // Karl Marx 5 May 1818, Johannes Brahms 7 May 1833, Audrey Hepburn 4 May 1929, George Lucas
    // 14 May 1944, Mark Zuckerberg 14 May 1984
    "Karl Marx, Johannes Brahms, Audrey Hepburn, George Lucas, Mark Zuckerberg",
    // Gemini
    // John F. Kennedy 29 May 1917, Marilyn Monroe 1 Jun 1926, Frank Lloyd Wright 8 Jun 1867,
    // Ralph Waldo Emerson 25 May 1803, Henry Kissinger 27 May 1923
    "John F. Kennedy, Marilyn Monroe, Frank Lloyd Wright, Ralph Waldo Emerson, Henry Kissinger",
    // Cancer
    // Elon Musk 28 Jun 1971, Frida Kahlo 6 Jul 1907, Tom Hanks 9 Jul 1956, John D. Rockefeller
    // 8 Jul 1839, Giorgio Armani 11 Jul 1934
    "Elon Musk, Frida Kahlo, Tom Hanks, John D. Rockefeller, Giorgio Armani",
    // Leo
    // Napoleon Bonaparte 15 Aug 1769, Barack Obama 4 Aug 1961, Neil Armstrong 5 Aug 1930, Andy
    // Warhol 6 Aug 1928, Henry Ford 30 Jul 1863, George Soros 12 Aug 1930
    "Napoleon Bonaparte, Barack Obama, Neil Armstrong, Andy Warhol, Henry Ford, George Soros",
    // Virgo
    // Warren Buffett 30 Aug 1930, Michael Jackson 29 Aug 1958, Mother Teresa 26 Aug 1910, Leo
    // Tolstoy 9 Sep 1828 (28 Aug Julian), Agatha Christie 15 Sep 1890
    "Warren Buffett, Michael Jackson, Mother Teresa, Leo Tolstoy, Agatha Christie",
    // Libra
    // Mahatma Gandhi 2 Oct 1869, Oscar Wilde 16 Oct 1854, John Lennon 9 Oct 1940, Margaret
    // Thatcher 13 Oct 1925, George Gershwin 26 Sep 1898
    "Mahatma Gandhi, Oscar Wilde, John Lennon, Margaret Thatcher, George Gershwin",
    // Scorpio
    // Bill Gates 28 Oct 1955, Marie Curie 7 Nov 1867, Pablo Picasso 25 Oct 1881, Leonardo
    // DiCaprio 11 Nov 1974, Fyodor Dostoevsky 11 Nov 1821 (30 Oct Julian)
    "Bill Gates, Marie Curie, Pablo Picasso, Leonardo DiCaprio, Fyodor Dostoevsky",
    // Sagittarius
    // Winston Churchill 30 Nov 1874, Mark Twain 30 Nov 1835, Walt Disney 5 Dec 1901, Frank
    // Sinatra 12 Dec 1915, Jimi Hendrix 27 Nov 1942, Emily Dickinson 10 Dec 1830, Andrew
    // Carnegie 25 Nov 1835
    "Winston Churchill, Mark Twain, Walt Disney, Frank Sinatra, Jimi Hendrix, Emily Dickinson, "
    "Andrew Carnegie",
    // Capricorn
    // Isaac Newton 4 Jan 1643 (25 Dec 1642 Julian), Martin Luther King Jr. 15 Jan 1929, Elvis
    // Presley 8 Jan 1935, Louis Pasteur 27 Dec 1822, Johannes Kepler 27 Dec 1571 Julian (6 Jan
    // 1572), Jeff Bezos 12 Jan 1964, Conrad Hilton 25 Dec 1887
    "Isaac Newton, Martin Luther King Jr., Elvis Presley, Louis Pasteur, Johannes Kepler, Jeff "
    "Bezos, Conrad Hilton",
    // Aquarius
    // Wolfgang Amadeus Mozart 27 Jan 1756, Charles Darwin 12 Feb 1809, Thomas Edison 11 Feb
    // 1847, Oprah Winfrey 29 Jan 1954, Virginia Woolf 25 Jan 1882
    "Wolfgang Amadeus Mozart, Charles Darwin, Thomas Edison, Oprah Winfrey, Virginia Woolf",
    // Pisces
    // Albert Einstein 14 Mar 1879, Michelangelo Buonarroti 6 Mar 1475 Julian (15 Mar), Steve
    // Jobs 24 Feb 1955, Alan Greenspan 6 Mar 1926, Alexander Graham Bell 3 Mar 1847
    "Albert Einstein, Michelangelo Buonarroti, Steve Jobs, Alan Greenspan, Alexander Graham "
    "Bell",
};

} // namespace orbika::content
