#pragma once

#include "export/ExportFilter.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

/** How the window's folder export runs, as the options dialog last took it. */
struct ExportOptions
{
    QString includePatterns; // as typed: patterns separated by ";"
    QString excludePatterns;
    QString minSize; // as typed: empty, or a size such as 700M
    QString maxSize;
    QString folder; // where the export files go; empty: the working folder
    bool keepGoing = false;
    ExportFilter filter; // the patterns and sizes above, read
};

/** A typed value of ExportOptions that cannot be used, and why, in the window's words. */
struct ExportOptionProblem
{
    QString ExportOptions::*value;
    QString reason;
};

/** Reads the typed patterns and sizes of `options` into its filter; returns what is wrong with
 *  each value (an empty folder too), none when all can be used. */
QList<ExportOptionProblem> ReadExportOptions(ExportOptions& options);

/** "导出选项": the fields IncludePatterns, ExcludePatterns, MinSize, MaxSize, ExportFolder (with
 *  "浏览…", BrowseExportFolder) and the tick KeepGoing. Every change is checked at once: a value
 *  that cannot be used shows why beside its field (the label `<field>Problem`) and OK stays
 *  disabled until none is left. */
class ExportOptionsDialog final : public QDialog
{
    Q_OBJECT

public:
    ExportOptionsDialog(const ExportOptions& options, QWidget* parent);

    /** The options as the fields hold them; what accepting the dialog takes. */
    const ExportOptions& options() const { return m_options; }

private:
    QLineEdit* addField(const char* name, const QString& caption, const QString& text,
                        const QString& hint);
    void browseFolder();
    /** Reads every field into the options and shows what is wrong with each. */
    void check();

    QLineEdit* m_includeField = nullptr;
    QLineEdit* m_excludeField = nullptr;
    QLineEdit* m_minSizeField = nullptr;
    QLineEdit* m_maxSizeField = nullptr;
    QLineEdit* m_folderField = nullptr;
    QCheckBox* m_keepGoingBox = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    ExportOptions m_options;
};

/** What `options` filter, in a line for the window ("包含 *.mkv；大小至少 1G"); empty when they
 *  filter nothing. */
QString FilterSummary(const ExportOptions& options);
