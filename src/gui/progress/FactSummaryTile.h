#pragma once

#include "data/FactGrid.h"

#include <QAbstractButton>
#include <QFont>
#include <QString>

// One operation on the fact map's Mixed summary: its name, how many of its facts are fluent, a
// bar of its four colours in proportion and the count of each. A click opens its grid.
class FactSummaryTile final : public QAbstractButton {
    Q_OBJECT
public:
    FactSummaryTile(QWidget* parent, const QString& name);

    // `problem` says why there are no facts to count ("" while there are).
    void Show(const data::FluencyCounts& counts, const QString& problem);
    void SetFonts(const QFont& title, const QFont& text);
    const data::FluencyCounts& Counts() const { return counts_; }
    // "Addition: 42 of 100 fluent".
    QString Summary() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString name_;
    data::FluencyCounts counts_;
    QString problem_;
    QFont titleFont_;
    QFont textFont_;
};
