#pragma once
// A status bar with VB's panels (1-based). Each panel is a label named "<bar>_Panel<i>"; a panel's text
// breaks its line at CR LF, and the bar, designed one line high, grows so that no line is cut off.
#include <QStatusBar>
#include <QString>
#include <vector>

class QLabel;

namespace ui {

class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    // objectName = name; the designed height in twips; the panels share the width, the first stretching.
    StatusBar(const QString& name, int heightTwips, int panels = 1, QWidget* parent = nullptr);

    [[nodiscard]] int panelCount() const { return int(m_panels.size()); }
    // Panel i (1-based); nullptr for a panel the bar does not have.
    [[nodiscard]] QLabel* panel(int index) const;
    void setPanelText(int index, const QString& text);
    [[nodiscard]] QString panelText(int index) const;  // as it was set, CR LF included

private:
    std::vector<QLabel*> m_panels;
    int m_heightPx = 0;
};

}  // namespace ui
