#pragma once

#include <QLineEdit>
#include <QStringList>

class QLabel;
class QTimer;

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

    // Tells, in a note just below the field, why what was typed was not taken. The note goes
    // when the user types in the field again, when the field hides, or after a while.
    void showRefusal(const QString& reason);
    // The reason shown now; empty when no note shows.
    QString shownRefusal() const;

  signals:
    // The user left the field (focus moved away or Enter pressed).
    void completed();

  protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void hideRefusal();

    QStringList widest_;
    QLabel* refusal_ = nullptr;
    QTimer* refusalTimer_ = nullptr;
};

}  // namespace kilnward::editor
