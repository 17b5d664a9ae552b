#pragma once
// The About box: title, version, description, the maker's line and web address, system information.
#include <QString>
#include <array>

#include "platform/ui/Form.h"

class QFrame;
class QLabel;
class QPushButton;

// Opens an address with the desktop's URL handler; nothing is reported when that fails.
void fnc_Open_URL(const QString& address);

class frmAbout : public ui::Form {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);
    ~frmAbout() override;

    // Client area, twips.
    static constexpr int kClientWidth = 5730;
    static constexpr int kClientHeight = 3555;

    // The maker's line (two lines) and web address: the project's own.
    static const QString kMakerLine;
    static const QString kMakerUrl;

    // Controls.
    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    std::array<QFrame*, 2> Line1{};
    QLabel* lblDisclaimer = nullptr;
    QLabel* lbr_URL = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;

    // Would start the system-information program; there is none on this platform, so it says so.
    void StartSysInfo();

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void lbr_URL_Click();

protected:
    void Form_Load() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
