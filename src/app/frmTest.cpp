#include "frmTest.h"

#include "AppIcon.h"
#include "ClickableLabel.h"
#include "ExportProgressDialog.h"
#include "FileListActions.h"
#include "GridItemDelegate.h"
#include "KeyboardReach.h"
#include "ListColumns.h"
#include "ScreenFit.h"
#include "Twips.h"
#include "WaitDialog.h"
#include "browser/ListingRequest.h"
#include "browser/Login.h"
#include "export/LinkResolution.h"
#include "export/ResultActions.h"
#include "export/TickedRowsExport.h"
#include "platform/Desktop.h"
#include "service/endpoints.h"
#include "service/session.h"
#include "text/TextCut.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <algorithm>
#include <limits>
#include <utility>

namespace {

constexpr int ClientWidthTwips = 13920;
constexpr int ClientHeightTwips = 9105;
// Left edge of the controls that lie right of the initial client area; the
// list never grows into them.
constexpr int SidePanelLeftTwips = 15240;
constexpr int ListLeftTwips = 120;
constexpr int ListTopTwips = 840;
constexpr int ListWidthTwips = 13695;
constexpr int ListHeightTwips = 8175;
constexpr int ListMinimumWidth = 120;
constexpr int ListMinimumHeight = 60;

constexpr int StartUpSortChoice = 2;

template <class Control> Control* place(Control* control, const char* name, const QRect& geometry)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    return control;
}

template <class Control>
Control* make(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    return place(new Control(caption, parent), name, geometry);
}

// The height the window's layout gives its menu bar at the window width `width`.
int menuBarHeight(const QWidget& window, int width)
{
    const QWidget& bar = *window.layout()->menuBar();
    const int height = bar.heightForWidth(width);
    return height >= 0 ? height : bar.sizeHint().height();
}

// A field may hold a whole listing response, far beyond the default 32767. A screen reader
// announces it by `accessibleName`: the caption beside it or, without one, what it holds.
QLineEdit* makeField(QWidget* parent, const char* name, const QString& accessibleName,
                     const QRect& geometry)
{
    auto* field = make<QLineEdit>(parent, name, QString(), geometry);
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setAccessibleName(accessibleName);
    return field;
}

// Assigning the text a field already holds would still move its cursor. A
// new text shows from its start, as a link or a response reads best.
void showText(QLineEdit* field, const QString& text)
{
    if (field->text() == text)
        return;
    field->setText(text);
    field->setCursorPosition(0);
}

// The part of a listing response the response field shows: its first 64 Ki characters,
// and an ellipsis when there is more.
QString responsePreview(const QString& response)
{
    constexpr qsizetype shownLength = 64 * 1024;
    const QStringView shown = LeftWholeCharacters(response, shownLength);
    return shown.size() == response.size() ? response : shown.toString() + u'…';
}

} // namespace

frmTest::frmTest(QWidget* parent)
    : QWidget(parent), m_clientArea(new QWidget(this)), m_listView(new QTreeWidget),
      m_fileList(m_listView), m_browser(m_fileList), m_keptLogin([this] { endSession(); })
{
    setWindowTitle(tr("Zorbel 提取助手"));
    setWindowIcon(MakeAppIcon());
    QFont smallFont = font();
    smallFont.setPixelSize(12);
    setFont(smallFont);
    m_clientArea->setObjectName(QStringLiteral("ClientArea"));
    createMenus();
    const int clientWidth = TwipsToPixels(ClientWidthTwips);
    resize(clientWidth, TwipsToPixels(ClientHeightTwips) + menuBarHeight(*this, clientWidth));

    createLoginRow();
    createNavigationRow();
    createPagingStrip();
    createFileList();
    createStateFields();
    createLinkFields();
    createCategoryOptions();
    m_listActions =
        std::make_unique<FileListActions>(*m_listView, m_fileList, m_browser, *m_tickAllBox);

    wireStateToFields();
    wireFieldsToState();
    wireCommands();
    wireChoices();
    wireFileList();
    wireKeys();
    createRowMenu();
    load();
    SetWaitPromptMaker([this] { return std::make_unique<WaitDialog>(windowTitle()); });
}

frmTest::~frmTest()
{
    SetWaitPromptMaker({});
}

void frmTest::createLoginRow()
{
    // Captions end one pixel short of the next control so that no two overlap.
    m_accountCaption =
        make<QLabel>(m_clientArea, "Label3", tr("账号"), TwipsRect(120, 120, 480, 255));
    m_accountField =
        makeField(m_clientArea, "user", tr("账号", "field"), TwipsRect(600, 120, 1215, 270));
    m_passwordCaption =
        make<QLabel>(m_clientArea, "Label4", tr("密码"), TwipsRect(1920, 120, 480, 255));
    m_passwordField =
        makeField(m_clientArea, "pass", tr("密码", "field"), TwipsRect(2400, 120, 1215, 270));
    m_accountCaption->setBuddy(m_accountField);
    m_passwordCaption->setBuddy(m_passwordField);
    m_passwordField->setEchoMode(QLineEdit::Password);
    m_passwordField->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // '*'
    m_loginButton =
        make<QPushButton>(m_clientArea, "Command11", tr("登陆"), TwipsRect(3720, 120, 615, 255));
    m_markVideosBox =
        make<QCheckBox>(m_clientArea, "Check2", tr("标出视频"), TwipsRect(4440, 120, 1080, 255));
    m_exportButton = make<QPushButton>(m_clientArea, "Command16", tr("导出选中文件"),
                                       TwipsRect(5520, 120, 1335, 255));
    m_folderExportButton = make<QPushButton>(m_clientArea, "CommandFolderExport",
                                             tr("导出当前目录"), TwipsRect(6900, 120, 1260, 255));
    m_subfoldersBox = make<QCheckBox>(m_clientArea, "CheckSubfolders", tr("含子目录"),
                                      TwipsRect(8190, 120, 1035, 255));
    m_sharedOnlyBox =
        make<QCheckBox>(m_clientArea, "Check3", tr("已分享"), TwipsRect(9240, 120, 855, 255));
    m_sortChoice = place(new QComboBox(m_clientArea), "Combo1", TwipsRect(10200, 120, 2055, 300));
    m_sortChoice->setEditable(false);
    m_sortChoice->setAccessibleName(tr("排序"));
    m_authorLink = make<ClickableLabel>(m_clientArea, "Label5", tr("※去作者博客※"),
                                        TwipsRect(12480, 120, 1335, 255));
}

void frmTest::createNavigationRow()
{
    m_tickAllBox =
        make<QCheckBox>(m_clientArea, "Check1", tr("全选"), TwipsRect(120, 480, 720, 255));
    m_rootButton =
        make<QPushButton>(m_clientArea, "Command10", tr("根目录"), TwipsRect(840, 480, 735, 255));
    m_upButton = make<QPushButton>(m_clientArea, "Command9", QStringLiteral("↑"),
                                   TwipsRect(1680, 480, 495, 255));
    m_namePathField = makeField(m_clientArea, "Text7", tr("路径"), TwipsRect(2280, 480, 8535, 270));
}

void frmTest::createPagingStrip()
{
    // The frame ends one pixel above the list so that the two do not overlap.
    m_pagingStrip = place(new QFrame(m_clientArea), "Frame1", TwipsRect(10920, 480, 2895, 360));
    m_pagingStrip->setAccessibleName(QStringLiteral("Frame1"));
    m_pagingStrip->setFrameShape(QFrame::NoFrame);

    m_offsetField = makeField(m_pagingStrip, "Text5", tr("偏移"), TwipsRect(0, 0, 495, 270));
    m_offsetField->setFrame(false);
    m_pageSeparator =
        make<QLabel>(m_pagingStrip, "Label1", QStringLiteral("/"), TwipsRect(600, 0, 120, 255));
    m_totalCountField = makeField(m_pagingStrip, "Text6", tr("总数"), TwipsRect(720, 0, 615, 270));
    m_totalCountField->setFrame(false);
    m_firstPageButton = make<QPushButton>(m_pagingStrip, "Command7", QStringLiteral("<<"),
                                          TwipsRect(1440, 0, 300, 255));
    m_previousPageButton = make<QPushButton>(m_pagingStrip, "Command5", QStringLiteral("<"),
                                             TwipsRect(1860, 0, 200, 255));
    m_nextPageButton = make<QPushButton>(m_pagingStrip, "Command6", QStringLiteral(">"),
                                         TwipsRect(2190, 0, 200, 255));
    m_lastPageButton = make<QPushButton>(m_pagingStrip, "Command8", QStringLiteral(">>"),
                                         TwipsRect(2520, 0, 300, 255));
}

void frmTest::createFileList()
{
    m_listView->setParent(m_clientArea);
    place(m_listView, "ListView1",
          TwipsRect(ListLeftTwips, ListTopTwips, ListWidthTwips, ListHeightTwips));
    m_listView->setAccessibleName(tr("文件列表"));
}

void frmTest::createStateFields()
{
    m_idPathField =
        makeField(m_clientArea, "Text8", tr("目录ID路径"), TwipsRect(15240, 480, 1455, 270));
    m_categoryCodeField =
        makeField(m_clientArea, "Text12", tr("分类代码"), TwipsRect(15240, 840, 255, 270));
    m_folderIdField =
        makeField(m_clientArea, "Text3", tr("目录ID"), TwipsRect(15600, 840, 855, 270));
    m_readButton =
        make<QPushButton>(m_clientArea, "Command3", tr("读取"), TwipsRect(16560, 840, 615, 255));
    m_pageItemCountLabel =
        make<QLabel>(m_clientArea, "Label2", QString(), TwipsRect(17280, 840, 375, 255));
    m_pageItemCountLabel->setAccessibleName(tr("本页条目数"));
    m_columnWidthButton =
        make<QPushButton>(m_clientArea, "Command2", tr("列宽"), TwipsRect(17760, 840, 495, 255));
    m_sortOrderField =
        makeField(m_clientArea, "Text2", tr("排序参数"), TwipsRect(15480, 1320, 1695, 270));
    m_responseTextField =
        makeField(m_clientArea, "Text1", tr("列表响应"), TwipsRect(15240, 1920, 1215, 270));
    m_parseButton =
        make<QPushButton>(m_clientArea, "Command1", tr("解析"), TwipsRect(16560, 1920, 615, 255));
}

void frmTest::createLinkFields()
{
    m_openExportButton =
        make<QPushButton>(m_clientArea, "Command17", tr("打开"), TwipsRect(15240, 3360, 495, 255));
    m_pickCodeField =
        makeField(m_clientArea, "Text10", tr("提取码"), TwipsRect(15885, 3360, 975, 270));
    m_fetchLinkButton =
        make<QPushButton>(m_clientArea, "Command13", tr("获取"), TwipsRect(16920, 3360, 615, 255));
    m_downloadLinkField =
        makeField(m_clientArea, "Text11", tr("下载链接"), TwipsRect(17640, 3360, 1695, 270));
    // The link field is wide enough to read a link; its two buttons follow it
    // instead of lying under it.
    m_copyLinkButton =
        make<QPushButton>(m_clientArea, "Command14", tr("复制"), TwipsRect(19440, 3360, 615, 255));
    m_openLinkButton =
        make<QPushButton>(m_clientArea, "Command15", tr("下载"), TwipsRect(20160, 3360, 615, 255));
}

void frmTest::createCategoryOptions()
{
    struct OptionSetup
    {
        const char* name;
        const char* caption;
        QRect geometry;
        CategoryOption option;
    };
    // Options of one row end one pixel short of their right neighbour.
    const OptionSetup setups[] = {
        {"Option5", QT_TR_NOOP("我的网盘"), TwipsRect(15240, 3960, 1095, 255),
         CategoryOption::MyDrive},
        {"Option1", QT_TR_NOOP("文档"), TwipsRect(15840, 4320, 720, 255),
         CategoryOption::Documents},
        {"Option2", QT_TR_NOOP("相册"), TwipsRect(16560, 4320, 720, 255), CategoryOption::Photos},
        {"Option3", QT_TR_NOOP("音乐"), TwipsRect(17280, 4320, 720, 255), CategoryOption::Music},
        {"Option4", QT_TR_NOOP("视频"), TwipsRect(18000, 4320, 735, 255), CategoryOption::Videos},
        {"Option7", QT_TR_NOOP("最新"), TwipsRect(16320, 5040, 735, 255), CategoryOption::Newest},
        {"Option6", QT_TR_NOOP("已分享"), TwipsRect(17160, 5040, 975, 255), CategoryOption::Shared},
    };
    m_options = new QButtonGroup(this);
    m_options->setExclusive(true);
    for (const OptionSetup& setup : setups) {
        auto* option =
            make<QRadioButton>(m_clientArea, setup.name, tr(setup.caption), setup.geometry);
        m_options->addButton(option);
        connect(option, &QRadioButton::toggled, this, [this, category = setup.option](bool on) {
            if (on)
                m_browser.chooseCategory(category);
        });
    }
}

void frmTest::wireStateToFields()
{
    ListingState& state = m_browser.state();
    struct TextBinding
    {
        QLineEdit* field;
        const QString& (ListingState::*value)() const;
        void (ListingState::*changed)(const QString&);
        void (ListingState::*assign)(const QString&);
    };
    const TextBinding bindings[] = {
        {m_categoryCodeField, &ListingState::categoryCode, &ListingState::categoryCodeChanged,
         &ListingState::setCategoryCode},
        {m_folderIdField, &ListingState::folderId, &ListingState::folderIdChanged,
         &ListingState::setFolderId},
        {m_sortOrderField, &ListingState::sortOrder, &ListingState::sortOrderChanged,
         &ListingState::setSortOrder},
        {m_offsetField, &ListingState::offset, &ListingState::offsetChanged,
         &ListingState::setOffset},
        {m_totalCountField, &ListingState::totalCount, &ListingState::totalCountChanged,
         &ListingState::setTotalCount},
        {m_idPathField, &ListingState::idPath, &ListingState::idPathChanged,
         &ListingState::setIdPath},
        {m_namePathField, &ListingState::namePath, &ListingState::namePathChanged,
         &ListingState::setNamePath},
    };
    for (const TextBinding& binding : bindings) {
        QLineEdit* field = binding.field;
        field->setText((state.*binding.value)());
        connect(&state, binding.changed, field,
                [field](const QString& text) { showText(field, text); });
        // A typed or assigned text reaches the state, whose setter ignores an
        // unchanged value, so the echo of the line above stops there.
        connect(field, &QLineEdit::textChanged, &state,
                [&state, assign = binding.assign](const QString& text) { (state.*assign)(text); });
    }

    // The response can run to 64 MiB; laid out whole, a line edit would take tens of bytes a
    // character, again on every resize. The field shows its start, and only a text the user
    // typed or pasted there becomes the response.
    showText(m_responseTextField, responsePreview(state.responseText()));
    connect(&state, &ListingState::responseTextChanged, m_responseTextField,
            [this](const QString& text) { showText(m_responseTextField, responsePreview(text)); });
    connect(m_responseTextField, &QLineEdit::textEdited, &state, &ListingState::setResponseText);

    m_pageItemCountLabel->setText(state.pageItemCount());
    connect(&state, &ListingState::pageItemCountChanged, m_pageItemCountLabel, &QLabel::setText);
    m_sharedOnlyBox->setChecked(state.sharedOnly());
    connect(&state, &ListingState::sharedOnlyChanged, m_sharedOnlyBox, [this](bool on) {
        if (m_sharedOnlyBox->isChecked() != on)
            m_sharedOnlyBox->setChecked(on);
    });
}

void frmTest::wireFieldsToState()
{
    connect(m_sharedOnlyBox, &QCheckBox::toggled, &m_browser, &FileBrowser::chooseSharedOnly);
    connect(m_markVideosBox, &QCheckBox::toggled, &m_browser, &FileBrowser::setVideoMarking);
    connect(m_tickAllBox, &QCheckBox::toggled, this,
            [this](bool on) { TickEveryRow(m_fileList, on); });
    connect(&m_browser, &FileBrowser::selectAllUntickRequested, m_tickAllBox,
            [this] { m_tickAllBox->setChecked(false); });
}

void frmTest::wireCommands()
{
    connect(m_loginButton, &QPushButton::clicked, this, &frmTest::logIn);
    connect(m_readButton, &QPushButton::clicked, &m_browser, &FileBrowser::RequestListing);
    connect(m_parseButton, &QPushButton::clicked, &m_browser, &FileBrowser::ParseListing);
    connect(m_firstPageButton, &QPushButton::clicked, &m_browser, &FileBrowser::FirstPage);
    connect(m_previousPageButton, &QPushButton::clicked, &m_browser, &FileBrowser::PreviousPage);
    connect(m_nextPageButton, &QPushButton::clicked, &m_browser, &FileBrowser::NextPage);
    connect(m_lastPageButton, &QPushButton::clicked, &m_browser, &FileBrowser::LastPage);
    connect(m_upButton, &QPushButton::clicked, this, [this] { m_listActions->goUp(); });
    connect(m_rootButton, &QPushButton::clicked, &m_browser, &FileBrowser::GoRoot);
    connect(m_columnWidthButton, &QPushButton::clicked, this, &frmTest::setColumnWidths);
    connect(m_fetchLinkButton, &QPushButton::clicked, this, &frmTest::fetchLinkOfPickCode);
    connect(m_copyLinkButton, &QPushButton::clicked, this,
            [this] { CopyLink(m_downloadLinkField->text()); });
    connect(m_openLinkButton, &QPushButton::clicked, this,
            [this] { OpenLink(m_downloadLinkField->text()); });
    connect(m_exportButton, &QPushButton::clicked, this, &frmTest::exportTickedRows);
    connect(m_folderExportButton, &QPushButton::clicked, this,
            [this] { exportFolder(m_browser.state().folderId(), m_subfoldersBox->isChecked()); });
    connect(m_openExportButton, &QPushButton::clicked, this,
            [this] { OpenPlainExportFile(m_accountField->text()); });
    connect(m_authorLink, &ClickableLabel::clicked, this,
            [this] { ShellOpen(AuthorPageAddress()); });
}

void frmTest::wireChoices()
{
    connect(m_sortChoice, &QComboBox::currentIndexChanged, this, &frmTest::runSortChoice);
    connect(m_sortChoice, &QComboBox::activated, this, &frmTest::onSortChoiceActivated);
}

void frmTest::wireFileList()
{
    connect(m_listView, &QTreeWidget::itemPressed, this, &frmTest::onRowPressed);
    connect(m_listView, &QTreeWidget::itemClicked, this, &frmTest::onRowClicked);
    connect(m_listView, &QTreeWidget::itemDoubleClicked, this,
            [this] { m_listActions->enterSelectedFolder(); });
}

void frmTest::load()
{
    m_listView->setRootIsDecorated(false);
    m_listView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_listView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_listView->setUniformRowHeights(true);
    m_listView->setItemDelegate(new GridItemDelegate(m_listView));
    m_listView->header()->setStretchLastSection(false);
    SetUpListColumns(*m_listView);

    {
        // Filling the box selects nothing yet; the one selection below runs the
        // sort choice exactly once.
        const QSignalBlocker quiet(m_sortChoice);
        for (const SortChoice& choice : SortChoices())
            m_sortChoice->addItem(choice.caption);
        m_sortChoice->setCurrentIndex(-1);
    }
    m_sortChoice->setCurrentIndex(StartUpSortChoice);
    m_sortRanForIndexChange = false;
    m_accountField->setFocus();
}

void frmTest::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeFileList();
    TabThroughShownControls(*m_clientArea);
}

void frmTest::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!std::exchange(m_fittedToScreen, true))
        FitIntoAvailableArea(*this);
}

void frmTest::placeFileList()
{
    // The list keeps its margins to the window's right and bottom edges as the
    // window grows, up to the controls right of the initial client area.
    const int left = TwipsToPixels(ListLeftTwips);
    const int top = TwipsToPixels(ListTopTwips);
    const int rightMargin = TwipsToPixels(ClientWidthTwips) - left - TwipsToPixels(ListWidthTwips);
    const int bottomMargin =
        TwipsToPixels(ClientHeightTwips) - top - TwipsToPixels(ListHeightTwips);
    const int rightLimit = TwipsToPixels(SidePanelLeftTwips) - left;
    const int right = std::min(m_clientArea->width() - rightMargin, rightLimit);
    m_listView->setGeometry(
        left, top, std::max(right - left, ListMinimumWidth),
        std::max(m_clientArea->height() - bottomMargin - top, ListMinimumHeight));
}

void frmTest::ShellOpen(const QString& target)
{
    CurrentDesktop().shellOpen(target);
}

void frmTest::setColumnWidths()
{
    FitListColumns(*m_listView);
}

void frmTest::logIn()
{
    const QString account = m_accountField->text();
    const QString password = m_passwordField->text();
    if (SignInAndList(account, password, m_browser) == LoginOutcome::SignedIn)
        keepLogin(account, password);
}

void frmTest::keepLogin(const QString& account, const QString& password)
{
    m_keptLogin.keep(account);
    if (!m_rememberPassword->isEnabled())
        return;
    SecretStore& store = CurrentSecretStore();
    store.write(AccountSecretKey(account, SecretKind::SessionCookie), SessionCookie());
    const SecretKey passwordKey = AccountSecretKey(account, SecretKind::Password);
    const QString problem = m_rememberPassword->isChecked() ? store.write(passwordKey, password)
                                                            : store.remove(passwordKey);
    if (!problem.isEmpty())
        CurrentDesktop().showMessage(tr("密码未能记住：%1").arg(problem), tr("提示"),
                                     Desktop::Icon::Information);
}

void frmTest::endSession()
{
    SetSessionCookie(QString());
    CurrentDesktop().showMessage(tr("登录已失效，请重新登录"), tr("提示"), Desktop::Icon::None);
    m_passwordField->setFocus();
}

void frmTest::runSortChoice(int index)
{
    m_sortRanForIndexChange = true;
    m_browser.chooseSort(index);
}

void frmTest::onSortChoiceActivated(int index)
{
    // Choosing the entry already shown raises no index change, yet it is a
    // choice of its own and lists again.
    if (!std::exchange(m_sortRanForIndexChange, false))
        m_browser.chooseSort(index);
}

void frmTest::onRowPressed(QTreeWidgetItem* item)
{
    m_pressedRow = item;
    m_pressedTick = item->checkState(0);
}

void frmTest::onRowClicked(QTreeWidgetItem* item)
{
    const bool tickOnly =
        item == std::exchange(m_pressedRow, nullptr) && item->checkState(0) != m_pressedTick;
    if (!tickOnly)
        resolveSelectedRow();
}

void frmTest::resolveSelectedRow()
{
    changeLinkFields([this](LinkFields& fields) { ResolveSelectedRow(m_fileList, fields); });
}

void frmTest::fetchLinkOfPickCode()
{
    changeLinkFields([](LinkFields& fields) { FetchLinkOfPickCode(fields); });
}

void frmTest::exportTickedRows()
{
    ExportProgressDialog progress(this, tr("导出选中文件"));
    ExportTickedRows(m_fileList, m_accountField->text(), &progress);
}

void frmTest::exportFolder(const QString& folderId, bool includeSubfolders)
{
    ExportProgressDialog progress(this, tr("导出当前目录"), true);
    WalkScope scope = ScopeOfListing(m_browser.state(), folderId, includeSubfolders);
    scope.filter = m_exportOptions.filter;
    scope.keepGoing = m_exportOptions.keepGoing;
    FolderExportReport report;
    const ExportOutcome outcome = ExportFolder(scope, m_accountField->text(), m_sha1s, &progress,
                                               {}, m_exportOptions.folder, &report);
    ResolveKnownRows(m_fileList, m_sha1s);
    if (outcome == ExportOutcome::Written)
        ShowFolderExportSummary(report);
}

void frmTest::changeLinkFields(const std::function<void(LinkFields&)>& action)
{
    LinkFields fields{m_pickCodeField->text(), m_downloadLinkField->text()};
    action(fields);
    showText(m_pickCodeField, fields.pickCode);
    showText(m_downloadLinkField, fields.downloadLink);
}
