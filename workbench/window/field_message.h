// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QStringList>

// A problem under a field, in plain text: wrapped at its width, a word wider than the line broken
// where it must, at most three lines and the last one cut short with "…". It quotes what was
// typed, and a name ten thousand characters long must neither widen the grid nor lengthen it.
class FieldMessage : public QLabel
{
    Q_OBJECT

public:
    explicit FieldMessage(QWidget* parent = nullptr);

    static constexpr int kMaxLines = 3;
    // The lines shown at width.
    QStringList linesAt(int width) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
