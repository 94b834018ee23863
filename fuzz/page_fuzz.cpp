// libFuzzer target: the download-page search on arbitrary page text. Beyond crashes and
// stalls, it checks what the export relies on: a SHA1 is 40 ASCII letters or digits taken
// from the page, and a download link is an http address from the page that holds no
// quotation mark.
#include "FuzzText.h"
#include "export/PageSearch.h"

#include <algorithm>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool isAsciiLetterOrDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString page = FuzzText(data, size);

    const QString sha1 = FindSha1(page);
    if (!sha1.isEmpty()) {
        require(sha1.size() == 40);
        require(std::all_of(sha1.cbegin(), sha1.cend(), isAsciiLetterOrDigit));
        require(page.contains(sha1));
    }

    const QString link = PickDownloadLink(page);
    if (!link.isEmpty()) {
        require(link.startsWith(QLatin1String("http://"), Qt::CaseInsensitive));
        require(!link.contains(u'"'));
        require(page.contains(link));
    }
    return 0;
}
