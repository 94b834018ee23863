#include "WindowFixture.h"
#include "app/ExportOptionsDialog.h"
#include "app/ExportProgressDialog.h"
#include "app/GridItemDelegate.h"
#include "app/WaitDialog.h"
#include "browser/FileList.h"
#include "browser/ListingRows.h"
#include "language/Language.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QTreeWidget>

namespace {

// Han characters, kana, CJK punctuation and full-width forms: nothing an English window shows of
// its own.
bool HasCjk(const QString& text)
{
    static const QRegularExpression cjk(
        QStringLiteral("[\\x{3000}-\\x{30ff}\\x{3400}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    return text.contains(cjk);
}

// What `root` and the widgets and actions inside it say of their own: titles, captions,
// placeholders, tooltips, accessible names, menu titles and entries, drop-down choices, list
// headers. What fields and rows hold is data and left out.
QStringList ShownTexts(const QWidget& root)
{
    QList<const QWidget*> widgets{&root};
    for (const QWidget* child : root.findChildren<QWidget*>())
        widgets.append(child);
    QStringList texts;
    for (const QWidget* widget : std::as_const(widgets)) {
        texts << widget->windowTitle() << widget->toolTip() << widget->accessibleName();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts << button->text();
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            texts << label->text();
        if (const auto* field = qobject_cast<const QLineEdit*>(widget))
            texts << field->placeholderText();
        if (const auto* menu = qobject_cast<const QMenu*>(widget))
            texts << menu->title();
        if (const auto* choice = qobject_cast<const QComboBox*>(widget)) {
            for (int item = 0; item < choice->count(); ++item)
                texts << choice->itemText(item);
        }
        if (const auto* list = qobject_cast<const QTreeWidget*>(widget)) {
            for (int column = 0; column < list->columnCount(); ++column)
                texts << list->headerItem()->text(column);
        }
    }
    for (const QAction* action : root.findChildren<QAction*>())
        texts << action->text() << action->toolTip();
    texts.removeAll(QString());
    return texts;
}

/** The window built in English; the tests' own Chinese comes back afterwards. */
class EnglishWindowTest : public WindowFixture
{
protected:
    void SetUp() override
    {
        UseLanguage(Language::English);
        WindowFixture::SetUp();
    }
    void TearDown() override
    {
        window.reset();
        UseLanguage(Language::Chinese);
    }

    static void expectEnglish(const QStringList& texts)
    {
        ASSERT_FALSE(texts.isEmpty());
        for (const QString& text : texts)
            EXPECT_FALSE(HasCjk(text)) << qPrintable(text);
    }
};

TEST_F(EnglishWindowTest, CaptionsTooltipsMenusAndHeadersAreEnglish)
{
    const QStringList texts = ShownTexts(*window);
    EXPECT_GT(texts.size(), 80); // the walk reached the controls, menus and list
    expectEnglish(texts);
    // Qt names the keys in the run's language too.
    EXPECT_EQ(control<QWidget>("Command9").toolTip(),
              QStringLiteral("Up one folder (Alt+Up, Backspace)"));
}

TEST_F(EnglishWindowTest, DialogsAndPromptsAreEnglish)
{
    control<QAction>("CommandExportOptions").trigger();
    auto* options = window->findChild<ExportOptionsDialog*>();
    ASSERT_NE(options, nullptr);
    // Values refused in every way the dialog knows, each field showing why.
    struct Typed
    {
        const char* field;
        const char* value;
        bool refused;
    };
    const Typed rounds[][4] = {
        {{"IncludePatterns", "[a", true},
         {"MinSize", "2G", false},
         {"MaxSize", "1G", true}, // below the minimum
         {"ExportFolder", "", true}},
        {{"IncludePatterns", ";", false},
         {"MinSize", "big", true},
         {"MaxSize", "99999999T", true},
         {"ExportFolder", "/no/such/folder", true}},
    };
    for (const auto& round : rounds) {
        for (const Typed& typed : round)
            options->findChild<QLineEdit*>(QLatin1String(typed.field))
                ->setText(QLatin1String(typed.value));
        for (const Typed& typed : round) {
            const QString problem =
                options->findChild<QLabel*>(QLatin1String(typed.field) + QStringLiteral("Problem"))
                    ->text();
            EXPECT_EQ(!problem.isEmpty(), typed.refused) << typed.field << ": " << typed.value;
        }
        expectEnglish(ShownTexts(*options));
    }
    options->reject();

    // A filter the options action names.
    ExportOptions filtered;
    filtered.includePatterns = QStringLiteral("*.mkv");
    filtered.excludePatterns = QStringLiteral("tmp/");
    filtered.minSize = QStringLiteral("1G");
    filtered.maxSize = QStringLiteral("4G");
    ReadExportOptions(filtered);
    window->setExportOptions(filtered);
    const auto& action = control<QAction>("CommandExportOptions");
    EXPECT_TRUE(action.toolTip().contains(QStringLiteral("*.mkv")));
    expectEnglish({action.text(), action.toolTip()});

    const WaitDialog wait(window->windowTitle());
    const auto* prompt = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(prompt->windowTitle(), window->windowTitle());
    expectEnglish(ShownTexts(*prompt));

    ExportProgressDialog progress(window.get(), QStringLiteral("Export"), true);
    progress.report({3, 40, 5, 9, 0});
    const auto* shown = window->findChild<QProgressDialog*>(QStringLiteral("ExportProgress"));
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->labelText().contains(QStringLiteral("40")))
        << qPrintable(shown->labelText());
    expectEnglish(ShownTexts(*shown));
}

// The service ends the session and no kept password renews it: the window says so itself.
TEST_F(EnglishWindowTest, EndedSessionMessageIsEnglish)
{
    logInAsDemo();
    DemoService::Fault ended;
    ended.endSession = true;
    ended.times = 1;
    service.setFault(DemoService::Endpoint::Files, ended);
    enterFolder(QStringLiteral("我的文档"));
    ASSERT_EQ(desktop.messages.size(), 1);
    expectEnglish({desktop.messages.first().text, desktop.messages.first().title});
}

// The list's delegate, with the text it shows for a cell in reach.
class ShownCell final : public GridItemDelegate
{
public:
    using GridItemDelegate::GridItemDelegate;
    QString text(const QModelIndex& index) const
    {
        QStyleOptionViewItem option;
        initStyleOption(&option, index);
        return option.text;
    }
};

// The Shared column keeps the listing's words, which the logic reads; the list shows them in
// English.
TEST_F(EnglishWindowTest, SharedColumnShowsEnglishWords)
{
    logInAsDemo();
    auto& list = control<QTreeWidget>("ListView1");
    ASSERT_GT(list.topLevelItemCount(), 0);
    const ShownCell shown;
    QStringList words;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        const QModelIndex cell = list.model()->index(row, ColumnIndex(Column::Shared));
        const QString data = cell.data().toString();
        EXPECT_TRUE(data == QString::fromUtf8(SharedText) ||
                    data == QString::fromUtf8(NotSharedText));
        words << shown.text(cell);
    }
    words.removeDuplicates();
    words.sort();
    EXPECT_EQ(words, QStringList({QStringLiteral("No"), QStringLiteral("Yes")}));
}

} // namespace
