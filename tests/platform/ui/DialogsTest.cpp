// The dialog facades: the script that tests drive them with, the standard error box, and the real
// Qt dialogs behind them (Japanese buttons, the VB flags, paths with "/").
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <memory>

#include "platform/base/VbError.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Translations.h"
#include "tests/support/AppFolder.h"

using ui::script::Shown;

namespace {

class DialogScript : public ::testing::Test {
protected:
    void SetUp() override {
        ui::script::enable(true);
        ui::script::reset();
        ui::script::onUnscripted([this](const Shown& s) { m_unscripted.push_back(s); });
    }
    void TearDown() override {
        ui::script::reset();
        ui::script::onUnscripted(nullptr);
        ui::script::enable(false);
    }
    std::vector<Shown> m_unscripted;
};

TEST_F(DialogScript, AnswersAreTakenInOrderAndEveryBoxIsRecorded) {
    ui::script::answerMsgBox(ui::vbYes);
    ui::script::answerInput("abc");
    ui::script::answerFile("/tmp/out.csv");
    ui::script::cancelFile();
    ui::script::answerPrinter(true);

    EXPECT_EQ(ui::MsgBox("削除しますか？", ui::vbYesNo + ui::vbQuestion, "確認"), ui::vbYes);
    bool cancelled = true;
    EXPECT_EQ(ui::InputBox("名前", {}, "既定", &cancelled), "abc");
    EXPECT_FALSE(cancelled);
    ui::FileDialogSpec spec;
    spec.title = "CSV書き出し";
    spec.filters = {"全て(*.*)", "*.*", "CSVファイル", "*.csv"};
    spec.filterIndex = 2;
    EXPECT_EQ(ui::ShowSave(spec), std::optional<QString>("/tmp/out.csv"));
    EXPECT_EQ(ui::ShowOpen(spec), std::nullopt);
    EXPECT_TRUE(ui::ShowPrinter());

    EXPECT_TRUE(m_unscripted.empty());
    EXPECT_EQ(ui::script::pending(), 0);
    const auto& shown = ui::script::shown();
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[0].kind, Shown::Kind::MsgBox);
    EXPECT_EQ(shown[0].prompt, "削除しますか？");
    EXPECT_EQ(shown[0].title, "確認");
    EXPECT_EQ(shown[0].buttons, ui::vbYesNo + ui::vbQuestion);
    EXPECT_EQ(shown[1].kind, Shown::Kind::InputBox);
    EXPECT_EQ(shown[1].title, "Vondari");  // no title of its own: the application's
    EXPECT_EQ(shown[1].defaultText, "既定");
    EXPECT_EQ(shown[2].kind, Shown::Kind::SaveFile);
    EXPECT_EQ(shown[2].prompt, "CSV書き出し");
    EXPECT_EQ(shown[2].file.filterIndex, 2);
    EXPECT_EQ(shown[3].kind, Shown::Kind::OpenFile);
    EXPECT_EQ(shown[4].kind, Shown::Kind::Printer);
}

TEST_F(DialogScript, MsgBoxWithoutTitleShowsTheApplicationTitle) {
    ui::script::answerMsgBox(ui::vbOK);
    ui::MsgBox("既に起動済みです。");
    ASSERT_EQ(ui::script::shown().size(), 1u);
    EXPECT_EQ(ui::script::shown()[0].title, ui::kAppTitle);
    EXPECT_EQ(ui::script::shown()[0].buttons, ui::vbOKOnly);
}

TEST_F(DialogScript, AnEmptyQueueCallsTheHandlerAndGivesTheSafeDefault) {
    struct Case {
        int buttons;
        int expected;
    };
    const Case cases[] = {
        {ui::vbOKOnly, ui::vbOK},
        {ui::vbOKCancel, ui::vbCancel},
        {ui::vbYesNo, ui::vbNo},
        {ui::vbYesNoCancel, ui::vbCancel},
        {ui::vbRetryCancel, ui::vbCancel},
        {ui::vbAbortRetryIgnore, ui::vbAbort},
        {ui::vbYesNo + ui::vbCritical + ui::vbDefaultButton2, ui::vbNo},
    };
    for (const Case& c : cases) EXPECT_EQ(ui::MsgBox("?", c.buttons), c.expected) << "buttons " << c.buttons;

    bool cancelled = false;
    EXPECT_EQ(ui::InputBox("名前", "題", "既定", &cancelled), "");
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(ui::ShowOpen({}), std::nullopt);
    EXPECT_EQ(ui::ShowSave({}), std::nullopt);
    EXPECT_FALSE(ui::ShowPrinter());

    EXPECT_EQ(m_unscripted.size(), std::size(cases) + 4);
    EXPECT_EQ(ui::script::shown().size(), std::size(cases) + 4);
}

TEST_F(DialogScript, AnAnswerOfTheWrongKindStaysQueuedForTheBoxItFits) {
    ui::script::answerInput("typed");
    EXPECT_EQ(ui::MsgBox("削除しますか？", ui::vbYesNo), ui::vbNo);
    ASSERT_EQ(m_unscripted.size(), 1u);
    EXPECT_EQ(m_unscripted[0].prompt, "削除しますか？");
    EXPECT_EQ(ui::script::pending(), 1);
    EXPECT_EQ(ui::InputBox("名前"), "typed");
    EXPECT_EQ(ui::script::pending(), 0);
}

TEST_F(DialogScript, AnAnswerTheButtonsCannotGiveIsNotTaken) {
    // A test that queues Yes expects a Yes/No box; an OK-only box is a different box.
    ui::script::answerMsgBox(ui::vbYes);
    EXPECT_EQ(ui::MsgBox("完了しました。", ui::vbOKOnly), ui::vbOK);
    EXPECT_EQ(m_unscripted.size(), 1u);
    EXPECT_EQ(ui::script::pending(), 1);
    EXPECT_EQ(ui::MsgBox("削除しますか？", ui::vbYesNo), ui::vbYes);
}

TEST_F(DialogScript, CancelledInputGivesEmptyTextAndSaysSo) {
    ui::script::cancelInput();
    ui::script::answerInput("");
    bool cancelled = false;
    EXPECT_EQ(ui::InputBox("a", {}, "x", &cancelled), "");
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(ui::InputBox("b", {}, "x", &cancelled), "");
    EXPECT_FALSE(cancelled);  // OK on an empty box is not Cancel
}

TEST_F(DialogScript, StandardErrorBoxText) {
    ui::script::answerMsgBox(ui::vbOK);
    ui::ShowStdError(-2147467259, "ファイルが見つかりません。");
    ASSERT_EQ(ui::script::shown().size(), 1u);
    const Shown& s = ui::script::shown()[0];
    EXPECT_EQ(s.kind, Shown::Kind::MsgBox);
    EXPECT_EQ(s.title, "警告");
    EXPECT_EQ(s.buttons, ui::vbCritical);
    EXPECT_EQ(s.prompt, QString("\r\n（エラーコード：-2147467259）\r\n（エラー内容：ファイルが見つかりません。）"));
}

TEST_F(DialogScript, StandardErrorBoxFromExceptions) {
    ui::script::answerMsgBox(ui::vbOK);
    ui::script::answerMsgBox(ui::vbOK);
    ui::ShowStdError(vb::Error(6, "オーバーフローしました。"));
    ui::ShowStdError(std::runtime_error("disk full"));
    ASSERT_EQ(ui::script::shown().size(), 2u);
    EXPECT_EQ(ui::script::shown()[0].prompt,
              QString("\r\n（エラーコード：6）\r\n（エラー内容：オーバーフローしました。）"));
    EXPECT_EQ(ui::script::shown()[1].prompt, QString("\r\n（エラーコード：0）\r\n（エラー内容：disk full）"));
}

TEST_F(DialogScript, GuardedTurnsAnyExceptionIntoTheStandardErrorBox) {
    ui::script::answerMsgBox(ui::vbOK);
    ui::script::answerMsgBox(ui::vbOK);
    bool after = false;
    EXPECT_NO_THROW(ui::guarded([] { vb::raise(vb::errTypeMismatch); }));
    EXPECT_NO_THROW(ui::guarded([] { throw 42; }));
    ui::guarded([&] { after = true; });
    EXPECT_TRUE(after);
    ASSERT_EQ(ui::script::shown().size(), 2u);
    EXPECT_EQ(ui::script::shown()[0].title, "警告");
    EXPECT_TRUE(ui::script::shown()[0].prompt.contains("（エラーコード：13）"));
    EXPECT_TRUE(ui::script::shown()[1].prompt.contains("（エラーコード：0）"));
}

// ---- the real dialogs, driven from the event loop -----------------------------------------------

// One look for the modal dialog of type D; the next look is a new timer holding its own copy of `body`, so
// nothing refers to itself and the last look frees it all.
template <class D>
void lookForModal(std::function<void(D*)> body, int tries) {
    if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) {
        body(d);
        return;
    }
    if (tries > 200) {
        ADD_FAILURE() << "no dialog appeared";
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
        return;
    }
    QTimer::singleShot(10, [body, tries] { lookForModal<D>(body, tries + 1); });
}

// Runs `body` on the modal dialog of type D once it is up.
template <class D>
void whenModal(std::function<void(D*)> body) {
    QTimer::singleShot(0, [body] { lookForModal<D>(body, 0); });
}

QPushButton* buttonWithText(QWidget* box, const QString& text) {
    for (QPushButton* b : box->findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

TEST(RealDialogs, MsgBoxHasJapaneseButtonsTheIconAndTheDefault) {
    ASSERT_FALSE(ui::script::enabled());
    QStringList texts;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title, defaultText;
    whenModal<QMessageBox>([&](QMessageBox* box) {
        for (QAbstractButton* b : box->buttons()) texts << b->text();
        icon = box->icon();
        title = box->windowTitle();
        defaultText = box->defaultButton() ? box->defaultButton()->text() : QString();
        buttonWithText(box, "いいえ")->click();
    });
    EXPECT_EQ(ui::MsgBox("削除しますか？", ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2, "確認"), ui::vbNo);
    texts.sort();
    EXPECT_EQ(texts, QStringList({"いいえ", "はい"}));
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(title, "確認");
    EXPECT_EQ(defaultText, "いいえ");
}

TEST(RealDialogs, MsgBoxButtonSetsAndIcons) {
    struct Case {
        int flags;
        QStringList buttons;  // sorted
        QMessageBox::Icon icon;
        QString press;
        int result;
    };
    const Case cases[] = {
        {ui::vbOKOnly, {"OK"}, QMessageBox::NoIcon, "OK", ui::vbOK},
        {ui::vbOKCancel + ui::vbExclamation, {"OK", "キャンセル"}, QMessageBox::Warning, "キャンセル", ui::vbCancel},
        {ui::vbAbortRetryIgnore + ui::vbCritical,
         {"中止", "再試行", "無視"},
         QMessageBox::Critical,
         "無視",
         ui::vbIgnore},
        {ui::vbYesNoCancel + ui::vbInformation,
         {"いいえ", "キャンセル", "はい"},
         QMessageBox::Information,
         "はい",
         ui::vbYes},
        {ui::vbRetryCancel, {"キャンセル", "再試行"}, QMessageBox::NoIcon, "再試行", ui::vbRetry},
    };
    for (const Case& c : cases) {
        QStringList texts;
        QMessageBox::Icon icon{};
        QString title;
        whenModal<QMessageBox>([&](QMessageBox* box) {
            for (QAbstractButton* b : box->buttons()) texts << b->text();
            icon = box->icon();
            title = box->windowTitle();
            buttonWithText(box, c.press)->click();
        });
        EXPECT_EQ(ui::MsgBox("本文", c.flags), c.result) << c.flags;
        std::sort(texts.begin(), texts.end());
        QStringList expected = c.buttons;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(texts, expected) << c.flags;
        EXPECT_EQ(icon, c.icon) << c.flags;
        EXPECT_EQ(title, "Vondari");
    }
}

TEST(RealDialogs, MsgBoxShowsCrLfAsLineBreaksAndMarkupAsText) {
    QString shown;
    whenModal<QMessageBox>([&](QMessageBox* box) {
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    ui::MsgBox("<b>一行目</b>\r\n二行目");
    EXPECT_EQ(shown, "<b>一行目</b>\n二行目");
}

// A box with a short text is still wide enough for its whole title beside the window manager's buttons.
TEST(RealDialogs, MsgBoxIsWideEnoughForItsTitle) {
    const QFontMetrics fm(QApplication::font());
    for (const char* title :
         {"Process Comprete", "完了しました", "Vondari", "アプリケーション一覧の書き出しが完了しました"}) {
        SCOPED_TRACE(title);
        int width = 0;
        whenModal<QMessageBox>([&](QMessageBox* box) {
            width = box->width();
            box->button(QMessageBox::Ok)->click();
        });
        ui::MsgBox(".", ui::vbInformation, QString::fromUtf8(title));
        EXPECT_GE(width, fm.horizontalAdvance(QString::fromUtf8(title)) + 120);
    }
}

TEST(RealDialogs, InputBoxOkAndCancel) {
    whenModal<QInputDialog>([](QInputDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Vondari");
        EXPECT_EQ(d->okButtonText(), "OK");
        EXPECT_EQ(d->cancelButtonText(), "キャンセル");
        EXPECT_EQ(d->textValue(), "既定");
        d->setTextValue("入力");
        d->accept();
    });
    bool cancelled = true;
    EXPECT_EQ(ui::InputBox("名前を入力", {}, "既定", &cancelled), "入力");
    EXPECT_FALSE(cancelled);

    whenModal<QInputDialog>([](QInputDialog* d) { d->reject(); });
    EXPECT_EQ(ui::InputBox("名前を入力", "題", "既定", &cancelled), "");
    EXPECT_TRUE(cancelled);
}

TEST(RealDialogs, SaveDialogIsOursAndGivesSlashPaths) {
    QTemporaryDir dir;
    QString title;
    QStringList filters;
    QString selectedFilter;
    bool native = true;
    whenModal<QFileDialog>([&](QFileDialog* d) {
        title = d->windowTitle();
        filters = d->nameFilters();
        selectedFilter = d->selectedNameFilter();
        native = !d->testOption(QFileDialog::DontUseNativeDialog);
        EXPECT_EQ(d->directory().absolutePath(), QDir(dir.path()).absolutePath());
        d->selectFile(dir.path() + "/一覧.csv");
        static_cast<QDialog*>(d)->accept();
    });
    ui::FileDialogSpec spec;
    spec.title = "CSV書き出し";
    spec.filters = {"全て(*.*)", "*.*", "CSVファイル", "*.csv"};
    spec.filterIndex = 2;
    spec.initDir = dir.path();
    const auto chosen = ui::ShowSave(spec);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, dir.path() + "/一覧.csv");
    EXPECT_FALSE(chosen->contains('\\'));
    EXPECT_EQ(title, "CSV書き出し");
    EXPECT_EQ(filters, QStringList({"全て(*.*) (*.*)", "CSVファイル (*.csv)"}));
    EXPECT_TRUE(selectedFilter.startsWith("CSVファイル")) << selectedFilter.toStdString();
    EXPECT_FALSE(native);

    whenModal<QFileDialog>([](QFileDialog* d) { static_cast<QDialog*>(d)->reject(); });
    EXPECT_EQ(ui::ShowOpen(spec), std::nullopt);
}

// Qt's own texts are Japanese once its translations are loaded (as the program does at start), and the
// file dialog's labels show their "&" as the underlined access key, never as a character.
TEST(RealDialogs, QtsOwnTextsAreJapaneseAndNoLabelShowsAnAmpersand) {
    ASSERT_TRUE(ui::installQtTranslations()) << "Qt's translations (qt6-translations-l10n) are missing";
    EXPECT_TRUE(ui::installQtTranslations()) << "a second call changes nothing";

    QStringList headers;
    QStringList labels;
    whenModal<QFileDialog>([&](QFileDialog* d) {
        for (QLabel* l : d->findChildren<QLabel*>()) {
            if (!l->isVisible() || l->text().isEmpty()) continue;
            labels << l->text();
            if (l->text().contains('&')) {
                EXPECT_NE(l->buddy(), nullptr) << "shown as a character: " << l->text().toStdString();
            }
        }
        if (auto* tree = d->findChild<QTreeView*>("treeView"))
            for (int c = 0; c < tree->model()->columnCount(); ++c)
                headers << tree->model()->headerData(c, Qt::Horizontal).toString();
        static_cast<QDialog*>(d)->reject();
    });
    ui::FileDialogSpec spec;
    spec.title = "ファイルを開く";
    spec.filters = {"CSVファイル", "*.csv"};
    spec.initDir = QDir::tempPath();
    EXPECT_EQ(ui::ShowOpen(spec), std::nullopt);
    for (const char* label : {"ファイルの場所(&I):", "ファイル名(&N):", "ファイルの種類(&T):"})
        EXPECT_TRUE(labels.contains(QString::fromUtf8(label))) << label;
    EXPECT_EQ(headers, (QStringList{"名前", "サイズ", "タイプ", "更新日"}));

    // A text box's context menu.
    QLineEdit edit;
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList items;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) items << a->text().section('\t', 0, 0);
    for (const char* item : {"元に戻す(&U)", "切り取り(&T)", "コピー(&C)", "貼り付け(&P)", "すべてを選択"})
        EXPECT_TRUE(items.contains(QString::fromUtf8(item))) << item << " in " << items.join(", ").toStdString();
}

// The common dialog matched file patterns without regard to letter case: "*.csv" offers "PC01.CSV".
TEST(RealDialogs, OpenDialogOffersFilesOfAPatternInAnyLetterCase) {
    QTemporaryDir dir;
    for (const char* name : {"a.csv", "PC01.CSV", "b.Csv", "notes.txt"}) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QStringList offered;
    whenModal<QFileDialog>([&](QFileDialog* d) {
        auto* view = d->findChild<QListView*>("listView");
        ASSERT_NE(view, nullptr);
        // The folder is read in the background: wait for its files to be listed.
        for (int i = 0; i < 200 && view->model()->rowCount(view->rootIndex()) < 3; ++i) QTest::qWait(10);
        for (int r = 0; r < view->model()->rowCount(view->rootIndex()); ++r)
            offered << view->model()->index(r, 0, view->rootIndex()).data().toString();
        static_cast<QDialog*>(d)->reject();
    });
    ui::FileDialogSpec spec;
    spec.title = "読み込み";
    spec.filters = {"全て(*.*)", "*.*", "CSVファイル", "*.csv"};
    spec.filterIndex = 2;
    spec.initDir = dir.path();
    EXPECT_EQ(ui::ShowOpen(spec), std::nullopt);
    offered.sort(Qt::CaseInsensitive);
    EXPECT_EQ(offered, (QStringList{"a.csv", "b.Csv", "PC01.CSV"}));
}

// The accept button's text: the set-up prints nothing, so it says "OK".
QString acceptText(QDialog* d) {
    auto* buttons = d->findChild<QDialogButtonBox*>();
    QPushButton* ok = buttons ? buttons->button(QDialogButtonBox::Ok) : nullptr;
    return ok ? ok->text() : QString();
}

TEST(RealDialogs, PrinterDialogs) {
    ASSERT_TRUE(ui::installQtTranslations());
    QString title;
    QString accept;
    whenModal<QPrintDialog>([&](QPrintDialog* d) {
        title = d->windowTitle();
        accept = acceptText(d);
        static_cast<QDialog*>(d)->reject();
    });
    EXPECT_FALSE(ui::ShowPrinter());
    EXPECT_EQ(title, "印刷");
    EXPECT_EQ(accept, "印刷(&P)");
    whenModal<QPrintDialog>([&](QPrintDialog* d) {
        title = d->windowTitle();
        accept = acceptText(d);
        EXPECT_EQ(d->printer(), &ui::sharedPrinter());
        static_cast<QDialog*>(d)->reject();
    });
    EXPECT_FALSE(ui::ShowPrinter(nullptr, ui::PrinterDialog::Setup));
    EXPECT_EQ(title, "プリンタの設定");
    EXPECT_EQ(accept, "OK");
}

// Both dialogs offer the PDF file as a printer, and OK keeps a file chosen for it (the set-up before a
// print must not lose it). The print dialog offers no "selection" range.
TEST(RealDialogs, PrinterDialogsKeepThePdfFile) {
    QTemporaryDir dir;
    QPrinter& printer = ui::sharedPrinter();
    const QString file = dir.path() + "/sheet.pdf";
    for (const ui::PrinterDialog kind : {ui::PrinterDialog::Setup, ui::PrinterDialog::Print}) {
        SCOPED_TRACE(kind == ui::PrinterDialog::Setup ? "set-up" : "print");
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        int printers = -1;
        bool selection = true;
        whenModal<QPrintDialog>([&](QPrintDialog* d) {
            if (auto* combo = d->findChild<QComboBox*>("printers")) printers = combo->count();
            selection = d->testOption(QAbstractPrintDialog::PrintSelection);
            static_cast<QDialog*>(d)->accept();
        });
        EXPECT_TRUE(ui::ShowPrinter(nullptr, kind));
        EXPECT_GE(printers, 1);
        EXPECT_FALSE(selection);
        EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
        EXPECT_EQ(printer.outputFileName(), file);
    }
    printer.setOutputFileName(QString());
}

// ---- colours ------------------------------------------------------------------------------------

TEST(Colors, QBColorPalette) {
    const int expected[16][3] = {{0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
                                 {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
                                 {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
                                 {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};
    for (int i = 0; i < 16; ++i) EXPECT_EQ(ui::QBColor(i), QColor(expected[i][0], expected[i][1], expected[i][2])) << i;
    for (int bad : {-1, 16}) {
        try {
            (void)ui::QBColor(bad);
            ADD_FAILURE() << "QBColor(" << bad << ") gave a colour";
        } catch (const vb::Error& e) {
            EXPECT_EQ(e.number(), 5);
        }
    }
}

TEST(Colors, VbLiteralsAreBlueGreenRed) {
    EXPECT_EQ(ui::vbColor(0xFFFF80), QColor(128, 255, 255));  // the focus colour, a light cyan
    EXPECT_EQ(ui::vbColor(0xFFFFFF), QColor(255, 255, 255));
    EXPECT_EQ(ui::vbColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ui::vbColor(0xFF0000), QColor(0, 0, 255));
}

}  // namespace
