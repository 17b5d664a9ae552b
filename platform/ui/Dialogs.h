#pragma once
// Message, input and file dialogs. Every box of the program goes through here so tests can script it:
// queue the answers, read back what was shown. Button texts are Japanese.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QPrinter;
class QWidget;

namespace ui {

// MsgBox button and icon flags and results, as VB numbers them.
enum : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};
enum : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

// The application's title; a box that names none shows it.
inline const QString kAppTitle = QStringLiteral("Vondari");

// MsgBox(prompt, buttons, title): returns vbOK, vbYes, ...
int MsgBox(const QString& prompt, int buttons = vbOKOnly, const QString& title = {});
// InputBox(prompt, title, default): "" on Cancel (VB gives "" too); cancelled tells the two apart.
QString InputBox(const QString& prompt, const QString& title = {}, const QString& defaultText = {},
                 bool* cancelled = nullptr);

// The standard error box: critical icon, title "警告", the error code and description on their own lines.
void ShowStdError(long number, const QString& description);
void ShowStdError(const std::exception& e);  // vb::Error keeps its number; anything else shows as number 0

// Common dialog, file open and save.
struct FileDialogSpec {
    QString title;        // DialogTitle
    QStringList filters;  // pairs flattened: {"全て(*.*)", "*.*", "CSVファイル", "*.csv"}
    int filterIndex = 1;  // 1-based, as FilterIndex
    QString fileName;     // starting name (the dialog keeps the last one in its window)
    QString initDir;
    bool multiSelect = false;
};
// The chosen path (paths in the ledger use "/"), or nullopt on Cancel.
// With multiSelect, ShowOpen gives the chosen paths joined by "\n".
std::optional<QString> ShowSave(const FileDialogSpec& spec, QWidget* parent = nullptr);
std::optional<QString> ShowOpen(const FileDialogSpec& spec, QWidget* parent = nullptr);

// Print and print-setup dialogs: true when the user chose OK. Both act on sharedPrinter(), so a printer
// chosen in the set-up is the one the next print uses (as the Windows default printer of the process).
enum class PrinterDialog { Print, Setup };
bool ShowPrinter(QWidget* parent = nullptr, PrinterDialog kind = PrinterDialog::Print);
[[nodiscard]] QPrinter& sharedPrinter();

// Runs a handler body: any exception becomes the standard error box, none escapes the event loop.
void guarded(const std::function<void()>& body);

namespace script {

struct Shown {
    enum class Kind { MsgBox, InputBox, SaveFile, OpenFile, Printer };
    Kind kind;
    QString prompt;  // MsgBox / InputBox prompt, file dialog title
    QString title;   // the title actually shown (default applied)
    int buttons = 0;
    QString defaultText;
    FileDialogSpec file;
};

// While enabled, no real dialog opens: each box takes the next queued answer and is recorded.
void enable(bool on = true);
[[nodiscard]] bool enabled();
void reset();  // empties queue and record

void answerMsgBox(int result);
void answerInput(const QString& text);
void cancelInput();
void answerFile(const QString& path);
void cancelFile();
void answerPrinter(bool ok);

[[nodiscard]] const std::vector<Shown>& shown();
[[nodiscard]] int pending();  // answers still queued

// Called when a box appears with nothing queued (tests install ADD_FAILURE); it then gets a default
// answer (OK, No, Cancel).
void onUnscripted(std::function<void(const Shown&)> handler);

}  // namespace script
}  // namespace ui
