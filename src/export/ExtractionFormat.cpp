#include "ExtractionFormat.h"

#include "service/endpoints.h"

namespace {

const QString CrLf = QStringLiteral("\r\n");

// Three U+3000 ideographic spaces: the field separator of the two forum layouts.
QString forumSeparator()
{
    return QStringLiteral("\u3000\u3000\u3000");
}

// The header line naming the format and its help page.
QString extractionHeaderLine()
{
    return QStringLiteral("======== 以下为Zorbel标准提取式，使用方法见") + HelpPageAddress() +
           QStringLiteral(" ========");
}

} // namespace

std::array<ExtractionFile, 3> ExtractionFileSet(const QString& account)
{
    const QString plainSeparator(4, QLatin1Char(' '));
    return {{
        {account + QStringLiteral(".txt"), plainSeparator, CrLf, CrLf, CrLf + CrLf},
        {account + QStringLiteral("[贴吧+IE] .txt"), forumSeparator(), CrLf, CrLf,
         CrLf + QStringLiteral(" ") + CrLf},
        {account + QStringLiteral("[贴吧+Chrome] .txt"), forumSeparator(), CrLf + CrLf, CrLf + CrLf,
         CrLf + CrLf + CrLf},
    }};
}

QList<ExportRow> ExportedRows(const FileList& list)
{
    QList<ExportRow> rows;
    for (int row = 0; row < list.rowCount(); ++row) {
        const QString pickCode = list.text(row, Column::PickCode);
        if (!list.isTicked(row) || pickCode.isEmpty())
            continue;
        rows.append({list.text(row, Column::Name), list.text(row, Column::Size), pickCode,
                     list.text(row, Column::StandardForm)});
    }
    return rows;
}

QString ExtractionSection(const ExtractionFile& file, const QList<ExportRow>& rows)
{
    QString section = extractionHeaderLine() + file.afterHeader;
    for (const ExportRow& row : rows) {
        section += row.name + file.separator + row.sizeText + file.separator + row.pickCode +
                   file.afterNameLine + row.standardForm + file.afterStandardForm;
    }
    return section + CrLf;
}
