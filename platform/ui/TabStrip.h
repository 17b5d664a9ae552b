#pragma once
// A row of tabs over a panel, as the common controls' tab strip. Tabs count from 1. The pages are the
// window's own widgets, placed over the panel and brought to the front by the window's Click handler.
//
// Click runs after the tab became the selected one, on every left click on a tab (the selected one
// too, so a handler that reloads its page reloads it again), and once for a change made with the
// keyboard or the wheel. A right or middle click, or a click beside the tabs, raises nothing.
#include <QString>
#include <QWidget>

class QTabBar;

namespace ui {

class TabStrip : public QWidget {
    Q_OBJECT
public:
    explicit TabStrip(QWidget* parent = nullptr);
    ~TabStrip() override;

    // Tabs.Add: a tab at the end with the caption as given (trailing blanks and U+3000 belong to it).
    void addTab(const QString& caption);
    [[nodiscard]] int tabCount() const;
    [[nodiscard]] QString tabCaption(int index) const;  // 1-based
    // SelectedItem.Index: 1-based, 0 when there is no tab.
    [[nodiscard]] int SelectedIndex() const;
    // Selecting from code raises Click, as a change by the keyboard does; the selected tab raises nothing.
    void setSelectedIndex(int index);

    // The bar itself and where tab `index` (1-based) lies in it, for tests that click as a user does.
    [[nodiscard]] QTabBar* tabBar() const;
    [[nodiscard]] QRect tabRect(int index) const;

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    class Bar;
    void layoutBar();
    void onBarClicked(int index);
    void onCurrentChanged(int index);

    Bar* m_bar = nullptr;
    bool m_clicking = false;  // a mouse click is selecting its tab: currentChanged is not a second Click
    bool m_adding = false;    // adding the first tab selects it: no Click
};

}  // namespace ui
