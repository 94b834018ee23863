#include "DownloadPageHtml.h"

#include <QLocale>

namespace {

QString sizeText(qint64 size)
{
    return QLocale::c().formattedDataSize(size, 2, QLocale::DataSizeTraditionalFormat);
}

// The page holds no other run of letters and digits as long as a SHA1 before the SHA1 itself,
// and no other "http://" link, so that a reader can find both by pattern.
QString pageHtml(const QString& title, const QString& content)
{
    return QStringLiteral("<!DOCTYPE html>\n"
                          "<html lang=\"zh-CN\">\n"
                          "<head>\n"
                          "<meta charset=\"utf-8\">\n"
                          "<title>%1 - Zorbel 网盘</title>\n"
                          "</head>\n"
                          "<body>\n"
                          "<div class=\"header\"><a href=\"/\">Zorbel 网盘</a></div>\n"
                          "%2"
                          "</body>\n"
                          "</html>\n")
        .arg(title.toHtmlEscaped(), content);
}

QString sha1Html(const DemoFile& file)
{
    if (file.sha1.isEmpty())
        return QStringLiteral("<p class=\"sha1\">SHA1：正在计算，请稍后再试</p>\n");
    return QStringLiteral("<p class=\"sha1\">SHA1：<span>%1</span></p>\n").arg(file.sha1);
}

QString buttonsHtml(const DemoFile& file)
{
    if (file.buttons.isEmpty())
        return QStringLiteral("<p class=\"notice\">该文件暂不提供下载。</p>\n");
    QString html = QStringLiteral("<div class=\"download\">\n");
    for (const DemoDownloadButton& button : file.buttons) {
        html += QStringLiteral("<a href=\"%1\" class=\"btn\" target=\"_blank\">%2下载</a>\n")
                    .arg(button.url.toHtmlEscaped(), button.label.toHtmlEscaped());
    }
    return html + QStringLiteral("</div>\n");
}

} // namespace

QByteArray RenderDownloadPage(const DemoFile& file)
{
    const QString info = QStringLiteral("<div class=\"file\">\n"
                                        "<h1>%1</h1>\n"
                                        "<p>文件大小：%2</p>\n"
                                        "<p>上传时间：%3</p>\n")
                             .arg(file.name.toHtmlEscaped(), sizeText(file.size),
                                  DemoDrive::fileTimeText(file.time));
    return pageHtml(file.name, info + sha1Html(file) + buttonsHtml(file) + "</div>\n").toUtf8();
}

QByteArray RenderMissingFilePage()
{
    return pageHtml(QStringLiteral("文件不存在"),
                    QStringLiteral("<p class=\"notice\">文件不存在或已被删除。</p>\n"))
        .toUtf8();
}
