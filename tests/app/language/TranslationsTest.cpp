// The program in each shipped language, and English whenever no translation can be read.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <utility>

#include "FrameTestFixture.h"
#include "app/dialogs/CAboutDialog.h"
#include "app/dialogs/CGameStartDialog.h"
#include "app/dialogs/DialogUnits.h"
#include "app/language/Translations.h"
#include "ui/Artwork.h"
#include "ui/GameText.h"
#include "ui/StatusPanes.h"
#include "ui/explore/PlayFromHereDialog.h"

namespace flipstone {
namespace {

const QStringList kEnglishMenuTitles = {"&Game", "&Edit", "&Set", "&View", "&Help"};

// The texts drawn cut, between commas: every label, button and group caption too narrow for its
// whole text.
std::string CutTexts(const QWidget& top) {
    QStringList cut;
    for (const QWidget* widget : top.findChildren<QWidget*>()) {
        const bool drawsText = qobject_cast<const QLabel*>(widget) != nullptr ||
                               qobject_cast<const QAbstractButton*>(widget) != nullptr ||
                               qobject_cast<const QGroupBox*>(widget) != nullptr;
        if (drawsText && widget->isVisibleTo(&top) && DialogUnits::MissingWidth(*widget) > 0) {
            cut << widget->property("text").toString() + widget->property("title").toString();
        }
    }
    return cut.join(QStringLiteral(", ")).toStdString();
}

QStringList MenuTitles(const CMainFrame& frame) {
    QStringList titles;
    for (const QAction* action : frame.menuBar()->actions()) {
        titles << action->text();
    }
    return titles;
}

// Adds the items whose Alt letter is missing or repeats an earlier one of the same menu (or of
// the menu bar), looking into every menu and submenu.
void CollectRepeatedMnemonics(const QList<QAction*>& items, QStringList& repeated) {
    QStringList seen;
    for (const QAction* item : items) {
        const QString letter = QKeySequence::mnemonic(item->text()).toString();
        if (!item->isSeparator() && (letter.isEmpty() || seen.contains(letter))) {
            repeated << item->text();
        }
        seen << letter;
        if (item->menu() != nullptr) {
            CollectRepeatedMnemonics(item->menu()->actions(), repeated);
        }
    }
}

class ShippedLanguage : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedLanguage, TranslatesTheProgramAndTheToolkitAndCutsNoText) {
    Translations translations;
    ASSERT_TRUE(translations.Install(QLocale(QString::fromLatin1(GetParam()))));
    testing::FrameTestHost host;
    CFlipstoneDoc document(host, SearchMode::kSynchronous);
    CMainFrame frame(document);
    host.Attach(frame);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));

    for (const QString& title : MenuTitles(frame)) {
        EXPECT_FALSE(kEnglishMenuTitles.contains(title)) << title.toStdString();
    }
    const QMenuBar& menus = *frame.menuBar();
    QStringList repeated;
    CollectRepeatedMnemonics(menus.actions(), repeated);
    EXPECT_EQ(repeated.join(QStringLiteral(", ")).toStdString(), "");
    EXPECT_LE(menus.actionGeometry(menus.actions().constLast()).right(), menus.width());
    EXPECT_NE(GameText("You Lose"), "You Lose");
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
    EXPECT_TRUE(Artwork::HelpContents().path().endsWith(
        QStringLiteral("/index_%1.html").arg(QLatin1String(GetParam()))));

    // The panes at their widest figures.
    document.searchValue = -9999;
    document.leafCount = 99999999;
    document.moveCount = 60;
    frame.RefreshCommandStates();
    ASSERT_EQ(frame.PaneText(4), CMainFrame::LeafText(99999999));
    EXPECT_EQ(CutTexts(*frame.statusBar()->findChild<StatusPanes*>()), "");

    CGameStartDialog start;
    CAboutDialog about;
    PlayFromHereDialog playFromHere(kBlack);
    for (QDialog* dialog : {static_cast<QDialog*>(&start), static_cast<QDialog*>(&about),
                            static_cast<QDialog*>(&playFromHere)}) {
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        EXPECT_EQ(CutTexts(*dialog), "") << dialog->windowTitle().toStdString();
        EXPECT_FALSE(dialog->childrenRect().width() > dialog->width());
    }
}

// Each choice of the start dialog is spoken as a phrase of the language, not as the group's
// caption followed by the choice; the about box fills in the build's version.
TEST_P(ShippedLanguage, SpeaksWholePhrasesAndShowsTheVersion) {
    Translations translations;
    ASSERT_TRUE(translations.Install(QLocale(QString::fromLatin1(GetParam()))));
    CGameStartDialog start;
    const QString caption = QCoreApplication::translate("flipstone::CGameStartDialog", "Move");
    for (const auto& [id, english] : {std::pair(CGameStartDialog::IDC_FIRST, "Move first"),
                                      std::pair(CGameStartDialog::IDC_SECOND, "Move second")}) {
        const QAbstractButton& choice = *start.Control(id);
        EXPECT_NE(choice.accessibleName(), english);
        EXPECT_NE(choice.accessibleName(), caption + ' ' + choice.text().toLower());
    }
    EXPECT_NE(start.Control(ID_LEVEL_2)->accessibleName(), "Level 2");
    const CAboutDialog about;
    bool showsVersion = false;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        showsVersion = showsVersion || label->text().contains(QStringLiteral(" 1.07e"));
    }
    EXPECT_TRUE(showsVersion);
}

INSTANTIATE_TEST_SUITE_P(Translations, ShippedLanguage,
                         ::testing::Values("de", "es", "fr", "it", "nl", "pl", "pt_BR", "ru"));

// What a broken or missing translation leaves: English, the toolkit's too, and no message.
TEST(TranslationsFallBack, ToEnglishForUnknownLocalesAndUnreadableFiles) {
    QFile real(QStringLiteral(":/flipstone/translations/flipstone_de.qm"));
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    const QByteArray image = real.readAll();
    QByteArray corrupt = image;
    for (qsizetype i = 16; i < corrupt.size(); i += 7) {
        corrupt[i] = static_cast<char>(corrupt[i] ^ 0x5A);
    }
    const struct {
        const char* locale;
        QByteArray file;
    } cases[] = {
        {"en_US", image},          {"C", image},
        {"xx_YY", image},          {"de_DE", {}},
        {"de_DE", "garbage"},      {"de_DE", image.left(image.size() / 2)},
        {"de_DE", image.left(16)}, {"de_DE", corrupt},
    };
    for (const auto& [locale, file] : cases) {
        QTemporaryDir folder;
        if (!file.isNull()) {
            QFile written(folder.filePath(QStringLiteral("flipstone_de.qm")));
            ASSERT_TRUE(written.open(QIODevice::WriteOnly));
            written.write(file);
        }
        Translations translations(folder.path());
        const bool found = translations.Install(QLocale(QString::fromLatin1(locale)));
        SCOPED_TRACE(::testing::Message() << locale << ", a file of " << file.size() << " bytes");
        EXPECT_FALSE(found);
        EXPECT_EQ(QCoreApplication::translate("flipstone::CMainFrame", "&Game"), "&Game");
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
    }
}

}  // namespace
}  // namespace flipstone
