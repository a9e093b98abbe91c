#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

namespace tq3 {

// A bar above the tabs that says why the window cannot do its work (no game folder open, a
// configuration that did not load) and offers the way on. It stays until the cause is gone:
// hover texts and status messages never replace it.
class MessageBar : public QFrame {
  public:
    explicit MessageBar(QWidget* parent = nullptr);
    // Shows `text`, and the action button captioned `action` (hidden when empty).
    void Show(const QString& text, const QString& action = {});
    QString Text() const;
    // The way on; its owner connects it.
    QPushButton* Action() const { return action_; }

  protected:
    // The bar is as tall as its wrapped text needs at its width.
    void resizeEvent(QResizeEvent* event) override;

  private:
    QLabel* icon_;
    QLabel* text_;
    QPushButton* action_;
};

}  // namespace tq3
