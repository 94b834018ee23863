#pragma once

#include <QList>
#include <QString>

/** One entry of the sort drop-down: its caption and the sort order it sends. */
struct SortChoice
{
    QString caption;
    QString order;
};

/** The six sort choices in drop-down order; index 2 is the start-up choice. */
const QList<SortChoice>& SortChoices();
