#pragma once

#include <QRadioButton>

// An option button whose long caption wraps within the width it is given. Its text stays the
// caption exactly as written, '&' and runs of blanks included; a '&' is not an access key.
class WrappedOption : public QRadioButton {
    Q_OBJECT

  public:
    WrappedOption(const char* name, const QString& caption);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& position) const override;

  private:
    int IndicatorWidth() const;
    QRect CaptionRect(int width) const;
};
