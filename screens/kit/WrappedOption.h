#pragma once

#include <QRadioButton>

// An option button whose long caption wraps within the width it is given. Its text stays the
// caption exactly as written, '&' and runs of blanks included; a '&' is not an access key.
// Alt and the access key choose the option; the key's first place in the caption is underlined.
class WrappedOption : public QRadioButton {
    Q_OBJECT

  public:
    WrappedOption(const char* name, const QString& caption, QChar accessKey);

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
    // The caption in the form that draws its access key underlined and every '&' as itself.
    QString MarkedCaption() const;
    int CaptionFlags() const;

    QChar accessKey_;
};
