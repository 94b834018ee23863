#pragma once

#include "browser/FileList.h"

#include <QList>
#include <QString>
#include <array>

// The service's standard extraction format: a section of one header block and one row block
// per exported file, in three layouts for three files named after the account.

/** One layout of the format and the file that holds it. */
struct ExtractionFile
{
    QString fileName;          // relative: the file lies in the working folder
    QString separator;         // between name, size text and pick code
    QString afterHeader;       // line breaks after the header line
    QString afterNameLine;     // line breaks after a row's name line
    QString afterStandardForm; // what ends a row block
};

/** The plain, forum IE and forum Chrome layouts and their file names for `account`, in the order
 *  they are written. The account is used unchanged; check it with CanNameExportFiles first. */
std::array<ExtractionFile, 3> ExtractionFileSet(const QString& account);

/** What a section shows of one exported row. */
struct ExportRow
{
    QString name;
    QString sizeText;
    QString pickCode;
    QString standardForm;
};

/** The rows that an export writes, in list order: ticked rows with a pick code (so no folder). */
QList<ExportRow> ExportedRows(const FileList& list);

/** One section of `file`'s layout: the header block, one row block per row, a closing CR LF. */
QString ExtractionSection(const ExtractionFile& file, const QList<ExportRow>& rows);
