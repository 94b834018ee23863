#include "ServiceFixture.h"

#include "browser/Login.h"

void ServiceFixture::logIn()
{
    ASSERT_EQ(SignInAndList(DemoService::account(), DemoService::password(), browser),
              LoginOutcome::SignedIn);
}

int ServiceFixture::rowWithId(const QString& id) const
{
    for (int row = 0; row < rows.rowCount(); ++row) {
        if (rows.text(row, Column::Id) == id)
            return row;
    }
    return -1;
}

void ServiceFixture::enterFolder(const QString& id)
{
    const int row = rowWithId(id);
    ASSERT_GE(row, 0) << "no row for folder " << id.toStdString();
    rows.selectRow(row);
    browser.EnterFolder();
}

QString FilesTarget(const QString& cid, const QString& offset)
{
    return QStringLiteral("/files?aid=1&cid=%1&o=user_ptime&asc=0&offset=%2&show_dir=1&limit=30"
                          "&source=&format=json&type=&star=&is_share=0&_t=1344257890616")
        .arg(cid, offset);
}

DemoService::Fault StatusFault(int status)
{
    DemoService::Fault fault;
    fault.status = status;
    return fault;
}

DemoService::Fault BodyFault(const QByteArray& body)
{
    DemoService::Fault fault;
    fault.body = body;
    return fault;
}

DemoService::Fault DroppedConnection()
{
    DemoService::Fault fault;
    fault.dropConnection = true;
    return fault;
}
