// libFuzzer target: a listing answer on its whole way into rows, as the web API request hands
// it over: unescaped, parsed in whichever form its text shows, and put into a list of rows;
// then the keyed form's reading runs on the same text too. Beyond crashes, it checks what the
// window relies on: the page's entry count is a number, rows cannot outnumber what the text
// can hold, file rows await their SHA1 and folder rows have none, and a parse message stays
// short enough for a message box.
#include "FuzzText.h"
#include "MemoryFileList.h"
#include "browser/FileBrowser.h"
#include "browser/ListingRows.h"
#include "platform/RecordingDesktop.h"
#include "service/httpxml.h"
#include "text/JSON.h"

#include <cstdlib>

namespace {

constexpr qsizetype MaxMessageLength = 1024;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkRows(const MemoryFileList& rows, qsizetype textLength)
{
    require(rows.rowCount() <= textLength);
    for (int row = 0; row < rows.rowCount(); ++row) {
        const QString standardForm = rows.text(row, Column::StandardForm);
        if (IsFolderName(rows.text(row, Column::Name)))
            require(standardForm.isEmpty() && rows.text(row, Column::PickCode).isEmpty());
        else
            require(standardForm.startsWith(u'#'));
    }
}

void checkState(const FileBrowser& browser, const RecordingDesktop& desktop)
{
    bool isNumber = false;
    require(browser.state().pageItemCount().toInt(&isNumber) >= 0 && isNumber);
    for (const RecordingDesktop::Message& message : desktop.messages)
        require(message.text.size() <= MaxMessageLength);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString answer = UnescapeText(FuzzText(data, size));
    const RecordingDesktop desktop;
    MemoryFileList rows;
    FileBrowser browser(rows);
    browser.setVideoMarking(true);

    browser.state().setResponseText(answer);
    checkRows(rows, answer.size());
    checkState(browser, desktop);

    rows.clearRows();
    browser.pipeilist();
    checkRows(rows, answer.size());
    checkState(browser, desktop);
    ResetParseErrors();
    return 0;
}
