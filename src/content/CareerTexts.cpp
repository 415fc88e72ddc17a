#include "content/CareerTexts.h"

namespace orbika::content {

constexpr std::array<std::string_view, 12> kCareerTexts = {
    // Aries
    "You think highly of yourself, and at work that confidence is your engine. You believe "
    "you can do the job better than anyone else, and very often you are right. You start "
    "projects with a burst of enthusiasm and push through obstacles that would stop others. "
    "When a plan fails or a boss says no, you may flare up for a moment, but you do not sulk "
    "for long. By the next morning you are already chasing a new goal with fresh energy.\r\n"
    "You thrive in careers that reward courage and speed: the armed forces, emergency "
    "services, sport, surgery, sales, the law or starting your own company. Taking orders "
    "from others does not come easily to you. You are a born leader, happiest when you can "
    "set the pace and others follow.",
    // Taurus
    "Banking, finance and business are your natural territory. You have a calm, practical "
    "mind and a real feeling for value, so you can judge what something is worth long before "
    "others have finished their calculations. Employers trust you because you are steady, "
    "patient and thorough, and you never rush a decision about money. You do well as a "
    "banker, accountant, investment adviser, property dealer or owner of a solid business "
    "that grows steadily. Slow, sure progress suits you better than sudden leaps. Once you "
    "have built something, you protect it with loyalty and determination, and your careful "
    "work often leads to lasting wealth.",
    // Gemini
    "Words and ideas are your tools. You are quick, witty and expressive, which makes acting, "
    "broadcasting, journalism and publishing excellent careers for you. You love variety and "
    "hate routine, so a job where each day brings new people and new stories keeps you at "
    "your best. You can write, present, interview and edit, often all at once, and your "
    "bright charm wins over every audience.",
    // Cancer
    "At work you lead in your own gentle way. You look after all your colleagues as if they "
    "were family, noticing who is tired or troubled, and people come to depend on your steady "
    "care and loyal support.\r\n"
    "You are more creative than many realise, full of imaginative ideas and quiet intuition. "
    "But a word of warning to your co-workers: do not ever mistake your gentle kindness for "
    "weakness. If you are treated unfairly, you remember it, and your moods can turn the "
    "whole office cool overnight.\r\n"
    "You suit professions that nurture and protect, such as nursing, teaching, catering, "
    "social work, property, history or running a small family business of your own.",
    // Leo
    "At work you are generous, proud and supremely confident. You give your time, praise and "
    "encouragement freely, and colleagues are drawn to your warmth. You expect respect in "
    "return, and you need to feel that your work is seen and valued. You work hard when the "
    "stage is yours. Criticism stings you, yet you recover by aiming even higher. You carry "
    "yourself like someone born to lead, and in a crisis others naturally look to you for "
    "direction and courage.\r\n"
    "You shine in professions with an audience or authority: acting, politics, management, "
    "entertainment, design, fashion or running your own company.",
    // Virgo
    "You are the quiet strength behind any successful team. You excel in supporting roles, "
    "where your eye for detail and your sense of duty keep everything running smoothly, and "
    "you are equally good at the front office, greeting clients, answering questions and "
    "solving problems calmly. You are methodical and reliable, and your desk, files and "
    "schedules are always in order. Colleagues trust you to spot errors others miss. Others "
    "may chase the spotlight, but you take pride in work done properly. You suit careers in "
    "administration, accounting, editing, research, health care and quality control. "
    "Sometimes you are too critical of yourself and others. Remember that your high standards "
    "are a gift, and share them with patience rather than complaint.",
    // Libra
    "You are at your best when you work with people. Charming, tactful and fair, you put "
    "others at ease and make every meeting run more smoothly. Professions that bring you into "
    "contact with many people suit you well: law, diplomacy, public relations, human "
    "resources, sales, hospitality and counselling. You have a fine sense of beauty as well, "
    "so fashion, interior design, art dealing and the beauty trade are also natural choices. "
    "Your good manners open many doors for you. You dislike conflict and prefer to find a "
    "solution that pleases everyone, which makes you a gifted mediator and negotiator. You "
    "work best in pleasant surroundings and with a partner or team rather than alone. Your "
    "weakness is indecision, and you may hesitate too long over a choice. Trust your "
    "judgement, and your diplomacy will take you far.",
    // Scorpio
    "In business you are a formidable opponent. You study every detail, keep your plans to "
    "yourself and wait patiently for the right moment to strike. Rivals who underestimate you "
    "soon regret it, because you see through bluffs and sense any weakness at once. Yet you "
    "are also a robust, discreet and reliable worker. Once you commit to a task you give it "
    "everything, working long hours without complaint and finishing what others abandon. You "
    "are not easily discouraged, and pressure only sharpens your focus. Careers that involve "
    "investigation, research, strategy or crisis suit you: detective work, surgery, "
    "psychology, finance, insurance and scientific research. You are loyal to employers who "
    "earn your respect. Keep your intensity in check with colleagues, and your strength and "
    "stamina will carry you to the very top.",
    // Sagittarius
    "You bring energy and good spirits into any office. Your optimism is catching, your jokes "
    "lift tired colleagues and your enthusiasm can turn a dull project into an adventure. "
    "Your quick humour is a gift to every team. You work best when you have freedom, room to "
    "move and a goal that excites you. Routine and strict rules make you restless, and you "
    "may quietly look for the exit if a job feels like a cage. You suit careers that involve "
    "travel, teaching, publishing, law, sport or work abroad, where your broad mind and love "
    "of learning have room to grow. You are honest and direct, sometimes too direct, and you "
    "may promise more than you can deliver in your eagerness to help. Learn to finish what "
    "you start. With a little discipline, your cheerful confidence and wide vision make you a "
    "colleague everyone is glad to have around.",
    // Capricorn
    "You are the workhorse of the zodiac. Ambitious, disciplined and patient, you climb the "
    "career ladder one steady step at a time. You accept responsibility willingly and carry "
    "burdens that others avoid, often staying late to make sure the job is done properly. "
    "Your colleagues respect your reliability, and your bosses soon notice that you can be "
    "trusted with anything. In time you become a natural leader, calm under pressure and firm "
    "in your decisions. You suit careers in management, government, engineering, banking, "
    "science and any large organisation with a clear structure. You are practical rather than "
    "flashy, and you value results over praise. Your methods are traditional, but they work "
    "and they last. Be careful not to let work swallow your whole life. Make time for family "
    "and rest, and your long climb to the top will bring you both success and satisfaction.",
    // Aquarius
    "You want your work to matter. Humanitarian causes draw you strongly, and you feel most "
    "alive when your efforts help people or improve society. You suit careers in charity "
    "work, social reform, politics, science, technology and invention, where your original "
    "mind can find new answers to old problems. You are friendly and open with everyone, from "
    "cleaners to directors, and you work well in groups that share your ideals. Rigid rules "
    "and office politics frustrate you, and you may challenge authority when you think it is "
    "wrong. Your independence is a strength. You are never boring. Choose a field that "
    "matches your values, and your vision can inspire the people around you.",
    // Pisces
    "Your imagination is your greatest professional gift. You feel moods, colours and sounds "
    "deeply, and you suit creative professions such as music, painting, photography, film, "
    "dance, poetry and design. Caring work also calls to you, in nursing, therapy or charity. "
    "You need a gentle, flexible workplace, since harsh deadlines and loud conflict wear you "
    "down. Routine bores you, yet when a project touches your heart you work with steady "
    "devotion. Trust your talent, and let your dreams become your work.",
};

} // namespace orbika::content
