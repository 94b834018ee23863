#include "ExportOptionsDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

enum GridColumn
{
    CaptionColumn,
    FieldColumn,
    ButtonColumn,
    ProblemColumn,
};

// Why `value` cannot be used, in the window's words, naming it.
QString problemText(const QString& value, FilterProblem problem)
{
    switch (problem) {
    case FilterProblem::EmptyPattern:
        return QCoreApplication::translate("ExportOptionsDialog", "“%1”不是模式").arg(value);
    case FilterProblem::UnclosedClass:
        return QCoreApplication::translate("ExportOptionsDialog", "“%1”中的 [ 缺少对应的 ]")
            .arg(value);
    case FilterProblem::NotASize:
        return QCoreApplication::translate(
                   "ExportOptionsDialog",
                   "“%1”不是大小：请写字节数，或加 K、M、G、T（按 1024 进位），"
                   "如 700M、1.5G")
            .arg(value);
    case FilterProblem::SizeTooLarge:
        return QCoreApplication::translate("ExportOptionsDialog", "“%1”超出了文件可能的大小")
            .arg(value);
    case FilterProblem::None:
        break;
    }
    return {};
}

// The patterns of `text`, separated by ";"; none after setting `problem` when one is no pattern.
QList<PathGlob> readPatterns(const QString& text, QString& problem)
{
    QList<PathGlob> globs;
    for (const QString& part : text.split(u';', Qt::SkipEmptyParts)) {
        const QString pattern = part.trimmed();
        if (pattern.isEmpty())
            continue;
        FilterProblem why = FilterProblem::None;
        const std::optional<PathGlob> glob = ParseGlob(pattern, why);
        if (!glob) {
            problem = problemText(pattern, why);
            return {};
        }
        globs.append(*glob);
    }
    return globs;
}

// The bound `text` names; none when it is empty or, after setting `problem`, no size.
std::optional<qint64> readSize(const QString& text, QString& problem)
{
    const QString size = text.trimmed();
    if (size.isEmpty())
        return std::nullopt;
    FilterProblem why = FilterProblem::None;
    const std::optional<qint64> bytes = ParseSize(size, why);
    if (!bytes)
        problem = problemText(size, why);
    return bytes;
}

QString folderProblem(const QString& folder)
{
    const QFileInfo info(folder);
    if (folder.isEmpty())
        return QCoreApplication::translate("ExportOptionsDialog", "请选择导出文件夹");
    if (!info.exists())
        return QCoreApplication::translate("ExportOptionsDialog", "文件夹不存在");
    if (!info.isDir())
        return QCoreApplication::translate("ExportOptionsDialog", "这不是文件夹");
    if (!info.isWritable())
        return QCoreApplication::translate("ExportOptionsDialog", "无法写入这个文件夹");
    return {};
}

} // namespace

ExportOptionsDialog::ExportOptionsDialog(const ExportOptions& options, QWidget* parent)
    : QDialog(parent), m_options(options)
{
    setObjectName(QStringLiteral("ExportOptionsDialog"));
    setWindowTitle(tr("导出选项"));
    auto* grid = new QGridLayout(this);
    grid->setColumnMinimumWidth(ProblemColumn, 200);
    m_includeField = addField("IncludePatterns", tr("只导出"), options.includePatterns,
                              tr("如 *.mkv; 工作/**/*.pdf，以 ; 分隔"));
    m_excludeField =
        addField("ExcludePatterns", tr("不导出"), options.excludePatterns, tr("如 临时/; *.tmp"));
    m_minSizeField = addField("MinSize", tr("最小"), options.minSize, tr("如 700M"));
    m_maxSizeField = addField("MaxSize", tr("最大"), options.maxSize, tr("如 4.5G"));
    m_folderField =
        addField("ExportFolder", tr("导出到"),
                 options.folder.isEmpty() ? QDir::currentPath() : options.folder, QString());
    auto* browse = new QPushButton(tr("浏览…"), this);
    browse->setObjectName(QStringLiteral("BrowseExportFolder"));
    grid->addWidget(browse, grid->rowCount() - 1, ButtonColumn);
    connect(browse, &QPushButton::clicked, this, &ExportOptionsDialog::browseFolder);

    m_keepGoingBox = new QCheckBox(tr("跳过无法获取的文件"), this);
    m_keepGoingBox->setObjectName(QStringLiteral("KeepGoing"));
    m_keepGoingBox->setChecked(options.keepGoing);
    grid->addWidget(m_keepGoingBox, grid->rowCount(), FieldColumn, 1, 3);
    connect(m_keepGoingBox, &QCheckBox::toggled, this, &ExportOptionsDialog::check);

    auto* syntax =
        new QLabel(tr("模式比对目录下的路径，不分大小写：* 不跨目录，** 跨目录，? 一个字符，"
                      "[...] 其中一个字符；不含 / 的模式比对文件名，以 / 结尾的模式指目录。"
                      "大小可加 K、M、G、T，含边界。"),
                   this);
    syntax->setWordWrap(true);
    grid->addWidget(syntax, grid->rowCount(), CaptionColumn, 1, 4);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    grid->addWidget(m_buttons, grid->rowCount(), CaptionColumn, 1, 4);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    check();
}

QLineEdit* ExportOptionsDialog::addField(const char* name, const QString& caption,
                                         const QString& text, const QString& hint)
{
    auto* grid = static_cast<QGridLayout*>(layout());
    const int row = grid->rowCount();
    auto* field = new QLineEdit(text, this);
    field->setObjectName(QLatin1String(name));
    field->setPlaceholderText(hint);
    auto* label = new QLabel(caption, this);
    label->setBuddy(field);
    auto* problem = new QLabel(this);
    problem->setObjectName(QLatin1String(name) + QStringLiteral("Problem"));
    problem->setStyleSheet(QStringLiteral("color: #c00000"));
    problem->setWordWrap(true);
    grid->addWidget(label, row, CaptionColumn);
    grid->addWidget(field, row, FieldColumn);
    grid->addWidget(problem, row, ProblemColumn);
    connect(field, &QLineEdit::textChanged, this, &ExportOptionsDialog::check);
    return field;
}

void ExportOptionsDialog::browseFolder()
{
    const QString folder =
        QFileDialog::getExistingDirectory(this, tr("选择导出文件夹"), m_folderField->text());
    if (!folder.isEmpty())
        m_folderField->setText(QDir::toNativeSeparators(folder));
}

void ExportOptionsDialog::check()
{
    ExportOptions& options = m_options;
    options.includePatterns = m_includeField->text();
    options.excludePatterns = m_excludeField->text();
    options.minSize = m_minSizeField->text();
    options.maxSize = m_maxSizeField->text();
    options.folder = m_folderField->text();
    options.keepGoing = m_keepGoingBox->isChecked();
    const QList<ExportOptionProblem> problems = ReadExportOptions(options);

    const std::pair<QLineEdit*, QString ExportOptions::*> fields[] = {
        {m_includeField, &ExportOptions::includePatterns},
        {m_excludeField, &ExportOptions::excludePatterns},
        {m_minSizeField, &ExportOptions::minSize},
        {m_maxSizeField, &ExportOptions::maxSize},
        {m_folderField, &ExportOptions::folder},
    };
    for (const auto& [field, value] : fields) {
        QString reason;
        for (const ExportOptionProblem& problem : problems) {
            if (problem.value == value)
                reason = problem.reason;
        }
        findChild<QLabel*>(field->objectName() + QStringLiteral("Problem"))->setText(reason);
    }
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(problems.isEmpty());
}

QList<ExportOptionProblem> ReadExportOptions(ExportOptions& options)
{
    QString includeProblem, excludeProblem, minProblem, maxProblem;
    ExportFilter& filter = options.filter;
    filter.includes = readPatterns(options.includePatterns, includeProblem);
    filter.excludes = readPatterns(options.excludePatterns, excludeProblem);
    filter.minSize = readSize(options.minSize, minProblem);
    filter.maxSize = readSize(options.maxSize, maxProblem);
    if (filter.minSize && filter.maxSize && *filter.minSize > *filter.maxSize)
        maxProblem = QCoreApplication::translate("ExportOptionsDialog", "小于最小值 %1")
                         .arg(options.minSize.trimmed());

    const ExportOptionProblem checked[] = {
        {&ExportOptions::includePatterns, includeProblem},
        {&ExportOptions::excludePatterns, excludeProblem},
        {&ExportOptions::minSize, minProblem},
        {&ExportOptions::maxSize, maxProblem},
        {&ExportOptions::folder, folderProblem(options.folder)},
    };
    QList<ExportOptionProblem> problems;
    for (const ExportOptionProblem& problem : checked) {
        if (!problem.reason.isEmpty())
            problems.append(problem);
    }
    return problems;
}

QString FilterSummary(const ExportOptions& options)
{
    const ExportFilter& filter = options.filter;
    const auto texts = [](const QList<PathGlob>& globs) {
        QStringList patterns;
        for (const PathGlob& glob : globs)
            patterns.append(glob.text());
        return patterns.join(QStringLiteral("; "));
    };
    QStringList parts;
    if (!filter.includes.isEmpty())
        parts.append(QCoreApplication::translate("ExportOptionsDialog", "只导出 %1")
                         .arg(texts(filter.includes)));
    if (!filter.excludes.isEmpty())
        parts.append(QCoreApplication::translate("ExportOptionsDialog", "不导出 %1")
                         .arg(texts(filter.excludes)));
    if (filter.minSize)
        parts.append(QCoreApplication::translate("ExportOptionsDialog", "至少 %1")
                         .arg(options.minSize.trimmed()));
    if (filter.maxSize)
        parts.append(QCoreApplication::translate("ExportOptionsDialog", "至多 %1")
                         .arg(options.maxSize.trimmed()));
    return parts.join(QCoreApplication::translate("ExportOptionsDialog", "；"));
}
