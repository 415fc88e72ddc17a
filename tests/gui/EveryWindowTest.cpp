// Checks that hold for every window of the program: what screen readers are told, text contrast
// under a light and a dark palette, and fitting a 1366 x 768 screen.

#include "GuiFixture.h"

#include "links/frmAbout.h"
#include "widgets/Contrast.h"
#include "widgets/LinkLabel.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextEdit>

namespace orbika::test {
namespace {

struct WindowCase {
    std::string name; // for the test's name
    int tool;         // -1: not a tool window
    enum { Main, About, Entry, Result, Report } kind;
};

void PrintTo(const WindowCase& window, std::ostream* out) {
    *out << window.name;
}

// The main window, the About box, and every window of every tool in the tool table.
std::vector<WindowCase> AllWindows() {
    std::vector<WindowCase> windows = {{"frmMDI", -1, WindowCase::Main},
                                       {"frmAbout", -1, WindowCase::About}};
    for (const Tool& tool : Tools()) {
        std::string name(tool.caption);
        std::erase(name, ' ');
        const int index = int(IndexOf(tool.kind));
        windows.push_back({name + "_Entry", index, WindowCase::Entry});
        windows.push_back({name + "_Result", index, WindowCase::Result});
        if (!tool.planet)
            windows.push_back({name + "_Report", index, WindowCase::Report});
    }
    return windows;
}

std::vector<WindowCase> ResultAndReportWindows() {
    std::vector<WindowCase> windows = AllWindows();
    std::erase_if(windows, [](const WindowCase& w) {
        return w.kind != WindowCase::Result && w.kind != WindowCase::Report;
    });
    return windows;
}

QPalette DarkPalette() {
    // Fusion's usual dark scheme, with a link colour that is too dim on it.
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(42, 42, 42));
    dark.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Link, QColor(42, 130, 218));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    return dark;
}

QString Spoken(QString text) {
    return text.remove(QLatin1Char('&')).simplified();
}

// What a screen reader says a control is: the labels it is labelled by (its caption, the frame
// around it), else its own name.
QString NameOf(QAccessibleInterface* node) {
    QStringList labels;
    for (const auto& [label, relation] : node->relations(QAccessible::Label))
        labels << label->text(QAccessible::Name);
    return labels.isEmpty() ? node->text(QAccessible::Name) : labels.join(QLatin1Char(' '));
}

class EveryWindow : public GuiTest, public ::testing::WithParamInterface<WindowCase> {
protected:
    void TearDown() override {
        about.reset();
        QApplication::setPalette(QApplication::style()->standardPalette());
        GuiTest::TearDown();
    }

    QWidget* open(const WindowCase& window) {
        switch (window.kind) {
        case WindowCase::Main:
            return main.get();
        case WindowCase::About:
            about = std::make_unique<frmAbout>(platform);
            about->show();
            return about.get();
        case WindowCase::Entry:
            return openTool(window.tool);
        case WindowCase::Result: {
            const Tool& tool = Tools()[std::size_t(window.tool)];
            ToolWindow* entry = openTool(window.tool);
            enterBirthData(entry, "Ada King", 5, "March", YearOffered(tool));
            click(ProceedButton(tool), entry);
            return main->loadedWindow(tool.kind, ToolWindowRole::Result);
        }
        case WindowCase::Report:
            return openReport(window.tool, "Ada King", 5, "March", 2000);
        }
        return nullptr;
    }

    // Every shown label of the window, tool windows of the main window left out.
    QList<QLabel*> shownLabels(QWidget* root) const {
        QList<QLabel*> labels;
        for (QLabel* label : root->findChildren<QLabel*>()) {
            if (label->isVisibleTo(root) && !label->text().isEmpty() &&
                (root != main.get() || !clientArea()->isAncestorOf(label)))
                labels << label;
        }
        return labels;
    }

    std::unique_ptr<frmAbout> about;
};

// Walks the accessible tree below `node`: what it exposes goes to `exposed`, faults to `faults`.
void Walk(QAccessibleInterface* node, QStringList& exposed, QStringList& faults, int& pictures) {
    if (!node || node->state().invisible)
        return;
    const QString name = NameOf(node);
    const QString value = node->text(QAccessible::Value);
    exposed << Spoken(name) << Spoken(node->text(QAccessible::Name)) << Spoken(value);
    if (QAccessibleTextInterface* text = node->textInterface())
        exposed << Spoken(text->text(0, text->characterCount()));
    const QString what = QStringLiteral("%1 (role %2)")
                             .arg(node->object() ? node->object()->objectName() : QString())
                             .arg(int(node->role()));
    if (node->state().focusable && !node->state().disabled) {
        if (Spoken(name).isEmpty())
            faults << what + QStringLiteral(": no name");
        else if (!value.isEmpty() && Spoken(name) == Spoken(value))
            faults << what + QStringLiteral(": named only by its value \"%1\"").arg(value);
    }
    if (node->role() == QAccessible::Graphic)
        ++pictures;
    for (int i = 0; i < node->childCount(); ++i)
        Walk(node->child(i), exposed, faults, pictures);
}

TEST_P(EveryWindow, ScreenReadersHearEveryControlAndText) {
    QWidget* root = open(GetParam());
    ASSERT_NE(root, nullptr);
    QApplication::processEvents();

    QStringList exposed;
    QStringList faults;
    int pictures = 0;
    QAccessibleInterface* top = QAccessible::queryAccessibleInterface(root);
    if (root == main.get()) {
        // The welcome panel is shown; the client area's tool windows are other cases.
        for (int i = 0; i < top->childCount(); ++i) {
            QAccessibleInterface* child = top->child(i);
            if (child->object() != clientArea())
                Walk(child, exposed, faults, pictures);
        }
    } else {
        Walk(top, exposed, faults, pictures);
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join('\n').toStdString();

    const QString everything = exposed.join(QLatin1Char('\n'));
    for (QLabel* label : shownLabels(root)) {
        EXPECT_TRUE(everything.contains(Spoken(label->text())))
            << label->objectName().toStdString() << " shows \"" << label->text().toStdString()
            << "\" but the tree does not";
    }
    if (root == main.get()) {
        EXPECT_EQ(pictures, 0) << "the tool strip's pictures are decoration";
    }

    // Link labels are links a screen reader can activate.
    const auto links = root->findChildren<LinkLabel*>();
    for (LinkLabel* link : links) {
        if (!link->isVisibleTo(root))
            continue;
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(link);
        EXPECT_EQ(node->role(), QAccessible::Link) << link->objectName().toStdString();
        ASSERT_NE(node->actionInterface(), nullptr);
        EXPECT_TRUE(node->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
    }
    if (!links.isEmpty()) {
        // The last is a page link in every window (the welcome panel's first ones open tools).
        QAccessible::queryAccessibleInterface(links.last())
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(platform.openedUrls.size(), 1) << "pressing a link opens its page";
    }
    if (root == main.get()) {
        // The welcome panel's tool captions are links that open their tool.
        QAccessible::queryAccessibleInterface(find<LinkLabel>("lblCaption_4"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(loadedToolWindows(), QStringList{"frmCareerAstrologyMain"});
    }
}

// The colour behind a widget: the nearest ancestor that fills its background.
QColor BackgroundOf(const QWidget* widget) {
    for (const QWidget* at = widget; at; at = at->parentWidget()) {
        if (at->autoFillBackground() || at->isWindow())
            return at->palette().color(at->backgroundRole());
    }
    return widget->palette().color(QPalette::Window);
}

TEST_P(EveryWindow, EveryTextReadsWellOnALightAndADarkPalette) {
    QWidget* root = open(GetParam());
    ASSERT_NE(root, nullptr);
    const QColor designedLabel(0, 128, 128);
    for (const bool dark : {false, true}) {
        if (dark)
            QApplication::setPalette(DarkPalette());
        QApplication::processEvents();
        const char* palette = dark ? "dark" : "light";
        for (QLabel* label : shownLabels(root)) {
            const QColor text = label->palette().color(label->foregroundRole());
            const QColor background = BackgroundOf(label);
            EXPECT_GE(ContrastRatio(text, background), kMinimumContrast)
                << palette << ": " << label->objectName().toStdString() << " "
                << text.name().toStdString() << " on " << background.name().toStdString();
        }
        for (QTextEdit* box : root->findChildren<QTextEdit*>()) {
            const QColor background = box->palette().color(QPalette::Base);
            for (QTextBlock block = box->document()->begin(); block.isValid();
                 block = block.next()) {
                for (auto it = block.begin(); !it.atEnd(); ++it) {
                    const QColor text = it.fragment().charFormat().foreground().color();
                    ASSERT_GE(ContrastRatio(text, background), kMinimumContrast)
                        << palette << ": \"" << it.fragment().text().toStdString() << "\" "
                        << text.name().toStdString() << " on " << background.name().toStdString();
                    // On the light palette the designed colours are kept exactly.
                    if (!dark && text.red() == 0 && text.green() == 128) {
                        EXPECT_EQ(text, designedLabel);
                    }
                }
            }
        }
    }
    // Paper always gets the designed colours: the teal labels too.
    if (GetParam().kind == WindowCase::Report) {
        click("cmdPrint", root);
        ASSERT_TRUE(platform.lastPrinted);
        QSet<QRgb> colours;
        for (QTextBlock block = platform.lastPrinted->begin(); block.isValid();
             block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it)
                colours.insert(it.fragment().charFormat().foreground().color().rgb());
        }
        EXPECT_EQ(colours, (QSet<QRgb>{QColor(Qt::black).rgb(), designedLabel.rgb(),
                                       QColor(0, 0, 238).rgb()}));
    }
}

// Maximised on a 1366 x 768 screen, the result and report windows fit the client area whole.
using ResultAndReport = EveryWindow;

TEST_P(ResultAndReport, FitsA1366By768Screen) {
    const WindowCase& window = GetParam();
    main->resize(1366, 768);
    QWidget* shown = open(window);
    ASSERT_NE(shown, nullptr);
    QApplication::processEvents();
    const QSize area = clientArea()->size();
    EXPECT_LE(shown->width(), area.width()) << window.name;
    EXPECT_LE(shown->height(), area.height()) << window.name;
    EXPECT_FALSE(clientArea()->verticalScrollBar()->isVisible());
    EXPECT_FALSE(clientArea()->horizontalScrollBar()->isVisible());
}

std::string CaseName(const ::testing::TestParamInfo<WindowCase>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryWindow, ::testing::ValuesIn(AllWindows()), CaseName);
// The entry windows, the About box and the main window itself are smaller.
INSTANTIATE_TEST_SUITE_P(Windows, ResultAndReport, ::testing::ValuesIn(ResultAndReportWindows()),
                         CaseName);

} // namespace
} // namespace orbika::test
