#include "ExportTestSupport.h"

#include "browser/Login.h"
#include "service/endpoints.h"
#include "service/httpxml.h"
#include "service/session.h"

#include <QDir>
#include <QFile>

WorkingFolder::WorkingFolder() : m_previous(QDir::currentPath())
{
    EXPECT_TRUE(m_folder.isValid());
    EXPECT_TRUE(QDir::setCurrent(m_folder.path()));
}

WorkingFolder::~WorkingFolder()
{
    QDir::setCurrent(m_previous);
}

QStringList WorkingFolder::entries() const
{
    return QDir(m_folder.path())
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
}

void SignedInTest::SetUp()
{
    DemoServiceFixture::SetUp();
    if (HasFatalFailure())
        return;
    const QString cookie = LoginRequest(QStringLiteral("POST"), LoginAddress(),
                                        LoginBody(DemoService::account(), DemoService::password()));
    ASSERT_TRUE(cookie.startsWith(QLatin1String("OOFA="))) << cookie.toStdString();
    SetSessionCookie(cookie);
    service.clearRequests();
}

int SignedInTest::appendFile(const char* fid)
{
    const DemoFile& file = DemoFileWithId(fid);
    const QString size = QString::number(file.size);
    rows.appendRow({file.name, size + QStringLiteral("B"), file.pickCode,
                    DemoDrive::fileTimeText(file.time),
                    QStringLiteral("#") + size + QStringLiteral("#") + file.name, file.fid,
                    QStringLiteral("否")});
    return rows.rowCount() - 1;
}

int SignedInTest::appendFolder(const QString& name)
{
    rows.appendRow({QStringLiteral("■") + name, QStringLiteral("3"), QString(),
                    QStringLiteral("2012-8-6 20:58:10"), QString(), QStringLiteral("1001"),
                    QStringLiteral("否")});
    return rows.rowCount() - 1;
}

const DemoFile& DemoFileWithId(const char* fid)
{
    static const DemoFile none;
    const DemoFile* file = DemoDrive::sample().file(QString::fromLatin1(fid));
    EXPECT_NE(file, nullptr) << "no demo file " << fid;
    return file ? *file : none;
}

QString ButtonUrl(const char* fid, const QString& label)
{
    for (const DemoDownloadButton& button : DemoFileWithId(fid).buttons) {
        if (button.label == label)
            return button.url;
    }
    ADD_FAILURE() << "no button " << label.toStdString() << " for " << fid;
    return QString();
}

QByteArray FileBytes(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// "======== 以下为Zorbel标准提取式，使用方法见" in GBK.
QByteArray HeaderLineBytes()
{
    return QByteArray::fromHex("3d3d3d3d3d3d3d3d20d2d4cfc2ceaa5a6f7262656cb1ead7bccce1c8a1cabda3"
                               "accab9d3c3b7bdb7a8bcfb") +
           HelpPageAddress().toLatin1() + " ========";
}
