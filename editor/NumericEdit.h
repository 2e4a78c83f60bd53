#pragma once

#include <QLineEdit>
#include <QStringList>

namespace kilnward::editor {

// The editor of a numeric field: right-aligned, exactly as wide as the longest text its
// display format produces (the field reads what is typed through that format). It reports
// each change of the typed text and the moment the user leaves the field.
class NumericEdit : public QLineEdit {
    Q_OBJECT

  public:
    explicit NumericEdit(QWidget* parent = nullptr);

    // The texts the field can show at its widest (the range's ends in the display format);
    // the field is sized for the longest.
    void setWidestTexts(const QStringList& texts);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    // The user left the field (focus moved away or Enter pressed).
    void completed();

  protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QStringList widest_;
};

}  // namespace kilnward::editor
