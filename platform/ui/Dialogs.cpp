#include "platform/ui/Dialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpacerItem>
#include <algorithm>
#include <deque>
#include <utility>

#include "platform/base/VbError.h"

namespace ui {

namespace {

// ---- the script ---------------------------------------------------------------------------------

struct Answer {
    enum class Kind { MsgBox, Input, File, Printer };
    Kind kind;
    int result = 0;  // MsgBox
    QString text;    // Input / File
    bool ok = true;  // Input / File: false = Cancel; Printer: OK chosen
};

struct Script {
    bool enabled = false;
    std::deque<Answer> queue;
    std::vector<script::Shown> shown;
    std::function<void(const script::Shown&)> onUnscripted;
};

Script& theScript() {
    static Script s;
    return s;
}

// Takes the front answer when it is of the wanted kind and `fits`; otherwise reports the box as
// unscripted and leaves the queue alone, so the stray answer still shows up in pending().
template <class Fits>
std::optional<Answer> take(const script::Shown& shown, Answer::Kind kind, Fits fits) {
    Script& s = theScript();
    s.shown.push_back(shown);
    if (!s.queue.empty() && s.queue.front().kind == kind && fits(s.queue.front())) {
        Answer a = s.queue.front();
        s.queue.pop_front();
        return a;
    }
    if (s.onUnscripted) s.onUnscripted(shown);
    return std::nullopt;
}

// The results a box with these buttons can give.
std::vector<int> possibleResults(int buttons) {
    switch (buttons & 7) {
        case vbOKCancel:
            return {vbOK, vbCancel};
        case vbAbortRetryIgnore:
            return {vbAbort, vbRetry, vbIgnore};
        case vbYesNoCancel:
            return {vbYes, vbNo, vbCancel};
        case vbYesNo:
            return {vbYes, vbNo};
        case vbRetryCancel:
            return {vbRetry, vbCancel};
        default:
            return {vbOK};
    }
}

int defaultResult(int buttons) {
    switch (buttons & 7) {
        case vbOKOnly:
            return vbOK;
        case vbYesNo:
            return vbNo;
        case vbAbortRetryIgnore:
            return vbAbort;  // the box has no Cancel
        default:
            return vbCancel;
    }
}

QString titleOrDefault(const QString& title) { return title.isEmpty() ? kAppTitle : title; }

// VB prompts break lines with CR LF; Qt's label wants LF.
QString displayText(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QWidget* parentOr(QWidget* parent) { return parent ? parent : QApplication::activeWindow(); }

// ---- real boxes ---------------------------------------------------------------------------------

// A box sized to a short text squeezes its title to a few letters under a window manager. Its width is
// set by its layout when it is shown (setMinimumWidth does not hold), so the layout is given a blank of
// the title's width plus the window manager's buttons and margins, in the button row's cell.
void keepTitleWhole(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    auto* buttons = box.findChild<QDialogButtonBox*>();
    if (!grid || !buttons) return;
    const int index = grid->indexOf(buttons);
    if (index < 0) return;
    int row = 0, column = 0, rows = 1, columns = 1;
    grid->getItemPosition(index, &row, &column, &rows, &columns);
    constexpr int kWindowManagerExtra = 120;  // buttons and margins of the title bar
    const int width = QFontMetrics(QApplication::font()).horizontalAdvance(box.windowTitle()) + kWindowManagerExtra -
                      grid->contentsMargins().left() - grid->contentsMargins().right();
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), row, 0, rows,
                  grid->columnCount());
}

int realMsgBox(const QString& prompt, int buttons, const QString& title) {
    QMessageBox box(parentOr(nullptr));
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(prompt));
    switch (buttons & 0x70) {
        case vbCritical:
            box.setIcon(QMessageBox::Critical);
            break;
        case vbQuestion:
            box.setIcon(QMessageBox::Question);
            break;
        case vbExclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case vbInformation:
            box.setIcon(QMessageBox::Information);
            break;
        default:
            box.setIcon(QMessageBox::NoIcon);
            break;
    }
    struct Btn {
        int result;
        QMessageBox::StandardButton standard;
        const char16_t* text;
    };
    static constexpr Btn kButtons[] = {
        {vbOK, QMessageBox::Ok, u"OK"},           {vbCancel, QMessageBox::Cancel, u"キャンセル"},
        {vbAbort, QMessageBox::Abort, u"中止"},   {vbRetry, QMessageBox::Retry, u"再試行"},
        {vbIgnore, QMessageBox::Ignore, u"無視"}, {vbYes, QMessageBox::Yes, u"はい"},
        {vbNo, QMessageBox::No, u"いいえ"},
    };
    std::vector<std::pair<QAbstractButton*, int>> made;
    for (int result : possibleResults(buttons)) {
        for (const Btn& b : kButtons) {
            if (b.result != result) continue;
            QPushButton* button = box.addButton(b.standard);
            button->setText(QString::fromUtf16(b.text));
            made.emplace_back(button, result);
        }
    }
    const int defaultIndex = (buttons & vbDefaultButton3) ? 2 : (buttons & vbDefaultButton2) ? 1 : 0;
    if (defaultIndex < int(made.size())) box.setDefaultButton(static_cast<QPushButton*>(made[defaultIndex].first));
    keepTitleWhole(box);
    box.exec();
    for (const auto& [button, result] : made)
        if (box.clickedButton() == button) return result;
    return defaultResult(buttons);  // closed some other way
}

QStringList qtFilters(const QStringList& pairs) {
    // VB pairs ("CSVファイル", "*.csv;*.txt") become Qt filters "CSVファイル (*.csv *.txt)";
    // HideNameFilterDetails then shows only the description, as the common dialog does.
    QStringList out;
    for (int i = 0; i + 1 < pairs.size(); i += 2) {
        QString patterns = pairs[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        out << pairs[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return out;
}

std::optional<QString> realFileDialog(const FileDialogSpec& spec, QWidget* parent, bool save) {
    QFileDialog dialog(parentOr(parent), spec.title);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails |
                      QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile
                            : (spec.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("ファイルの場所(&I):"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("ファイル名(&N):"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("ファイルの種類(&T):"));
    // Qt gives these two labels no partner control, so their "&" would show as a character.
    for (const auto& [label, partner] : {std::pair{"lookInLabel", "lookInCombo"}, {"fileTypeLabel", "fileTypeCombo"}})
        if (auto* l = dialog.findChild<QLabel*>(QLatin1String(label)))
            if (!l->buddy()) l->setBuddy(dialog.findChild<QWidget*>(QLatin1String(partner)));
    dialog.setLabelText(QFileDialog::Accept, save ? QStringLiteral("保存(&S)") : QStringLiteral("開く(&O)"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("キャンセル"));
    const QStringList filters = qtFilters(spec.filters);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = spec.filterIndex >= 1 && spec.filterIndex <= filters.size() ? spec.filterIndex : 1;
        dialog.selectNameFilter(filters[index - 1]);
    }
    if (!spec.initDir.isEmpty()) dialog.setDirectory(spec.initDir);
    if (!spec.fileName.isEmpty()) dialog.selectFile(spec.fileName);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    for (QString& f : files) f = QDir::fromNativeSeparators(f);
    return files.join(QLatin1Char('\n'));
}

std::optional<QString> fileDialog(const FileDialogSpec& spec, QWidget* parent, bool save) {
    if (!theScript().enabled) return realFileDialog(spec, parent, save);
    script::Shown shown{save ? script::Shown::Kind::SaveFile : script::Shown::Kind::OpenFile,
                        spec.title,
                        spec.title,
                        0,
                        spec.fileName,
                        spec};
    const auto a = take(shown, Answer::Kind::File, [](const Answer&) { return true; });
    if (!a || !a->ok) return std::nullopt;
    return a->text;
}

}  // namespace

// ---- public -------------------------------------------------------------------------------------

int MsgBox(const QString& prompt, int buttons, const QString& title) {
    const QString shownTitle = titleOrDefault(title);
    if (!theScript().enabled) return realMsgBox(prompt, buttons, shownTitle);
    script::Shown shown{script::Shown::Kind::MsgBox, prompt, shownTitle, buttons, {}, {}};
    const std::vector<int> possible = possibleResults(buttons);
    const auto a = take(shown, Answer::Kind::MsgBox, [&](const Answer& x) {
        return std::find(possible.begin(), possible.end(), x.result) != possible.end();
    });
    return a ? a->result : defaultResult(buttons);
}

QString InputBox(const QString& prompt, const QString& title, const QString& defaultText, bool* cancelled) {
    const QString shownTitle = titleOrDefault(title);
    if (cancelled) *cancelled = false;
    if (theScript().enabled) {
        script::Shown shown{script::Shown::Kind::InputBox, prompt, shownTitle, 0, defaultText, {}};
        const auto a = take(shown, Answer::Kind::Input, [](const Answer&) { return true; });
        if (a && a->ok) return a->text;
        if (cancelled) *cancelled = true;
        return QString();
    }
    QInputDialog dialog(parentOr(nullptr));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(shownTitle);
    dialog.setLabelText(displayText(prompt));
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("キャンセル"));
    if (dialog.exec() == QDialog::Accepted) return dialog.textValue();
    if (cancelled) *cancelled = true;
    return QString();
}

void ShowStdError(long number, const QString& description) {
    // Each line starts after a line break, so the text begins with one.
    MsgBox(QStringLiteral("\r\n（エラーコード：") + QString::number(number) + QStringLiteral("）") +
               QStringLiteral("\r\n（エラー内容：") + description + QStringLiteral("）"),
           vbCritical, QStringLiteral("警告"));
}

void ShowStdError(const std::exception& e) {
    if (const auto* vbErr = dynamic_cast<const vb::Error*>(&e)) {
        ShowStdError(vbErr->number(), vbErr->description());
        return;
    }
    ShowStdError(0, QString::fromUtf8(e.what()));
}

std::optional<QString> ShowSave(const FileDialogSpec& spec, QWidget* parent) { return fileDialog(spec, parent, true); }
std::optional<QString> ShowOpen(const FileDialogSpec& spec, QWidget* parent) { return fileDialog(spec, parent, false); }

QPrinter& sharedPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

bool ShowPrinter(QWidget* parent, PrinterDialog kind) {
    const QString title = kind == PrinterDialog::Setup ? QStringLiteral("プリンタの設定") : QStringLiteral("印刷");
    if (theScript().enabled) {
        script::Shown shown{script::Shown::Kind::Printer, {}, title, kind == PrinterDialog::Setup ? 1 : 0, {}, {}};
        const auto a = take(shown, Answer::Kind::Printer, [](const Answer&) { return true; });
        return a && a->ok;
    }
    QPrintDialog dialog(&sharedPrinter(), parentOr(parent));
    dialog.setWindowTitle(title);
    // The set-up chooses a printer only; the PDF file counts as one (where CUPS has none it is the only
    // one), so it stays offered and a file chosen for it survives an OK here.
    if (kind == PrinterDialog::Setup) {
        dialog.setOptions(QAbstractPrintDialog::PrintToFile);
        // It prints nothing, so its accept button does not say so.
        if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
            if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
    }
    return dialog.exec() == QDialog::Accepted;
}

void guarded(const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception& e) {
        ShowStdError(e);
    } catch (...) {
        ShowStdError(0, vb::describe(0));
    }
}

namespace script {

void enable(bool on) { theScript().enabled = on; }
bool enabled() { return theScript().enabled; }
void reset() {
    theScript().queue.clear();
    theScript().shown.clear();
}

void answerMsgBox(int result) { theScript().queue.push_back({Answer::Kind::MsgBox, result, {}, true}); }
void answerInput(const QString& text) { theScript().queue.push_back({Answer::Kind::Input, 0, text, true}); }
void cancelInput() { theScript().queue.push_back({Answer::Kind::Input, 0, {}, false}); }
void answerFile(const QString& path) { theScript().queue.push_back({Answer::Kind::File, 0, path, true}); }
void cancelFile() { theScript().queue.push_back({Answer::Kind::File, 0, {}, false}); }
void answerPrinter(bool ok) { theScript().queue.push_back({Answer::Kind::Printer, 0, {}, ok}); }

const std::vector<Shown>& shown() { return theScript().shown; }
int pending() { return int(theScript().queue.size()); }

void onUnscripted(std::function<void(const Shown&)> handler) { theScript().onUnscripted = std::move(handler); }

}  // namespace script
}  // namespace ui
