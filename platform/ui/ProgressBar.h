#pragma once
// A progress bar with VB's Min, Max and Value. Where Min equals Max, Qt would show its busy animation;
// the bar then shows empty, or full once Value reaches Max.
#include <QProgressBar>

namespace ui {

class ProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget* parent = nullptr);

    [[nodiscard]] int Min() const { return m_min; }
    [[nodiscard]] int Max() const { return m_max; }
    [[nodiscard]] int Value() const { return m_value; }
    void setMin(int v);
    void setMax(int v);
    // VB's Value; QProgressBar's own setValue is the painted position.
    void setValueVb(int v);

private:
    void apply();
    int m_min = 0;
    int m_max = 100;
    int m_value = 0;
};

}  // namespace ui
