#include "network/NetworkScreen.h"

#include "bouts/DialogPrintChoices.h"
#include "meet/Dialogs.h"
#include "meet/Meet.h"
#include "meet/Numbers.h"
#include "meet/QtText.h"
#include "meet/TableModels.h"
#include "meetcheck/CheckScreen.h"
#include "network/LaptopAddresses.h"
#include "network/MatCards.h"
#include "network/NetworkLog.h"
#include "network/NetworkServer.h"
#include "network/QrCode.h"
#include "network/SnapshotMaker.h"
#include "widgets/MeetSettings.h"
#include "widgets/NamedControls.h"
#include "widgets/WindowPlacement.h"
#include "teams/TeamScreen.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <future>

namespace korvanda {

namespace {

// Rarely taken by other programs, and short enough to type.
constexpr int defaultPort = 8642;

// Each meet folder keeps its own choices and codes.
QString settingKey(const std::filesystem::path& directory, const QString& name)
{
    return meetSettingsGroup(QStringLiteral("MeetNetwork"), directory) + QLatin1Char('/') + name;
}

QLabel* selectableText(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    label->setWordWrap(true);
    return label;
}

void clearGrid(QGridLayout* grid)
{
    while (QLayoutItem* item = grid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}

} // namespace

struct NetworkScreen::Waiting {
    PhoneResult result;
    std::promise<PhoneAnswer> answer;
    std::atomic<bool> abandoned = false;
};

NetworkScreen::NetworkScreen(Meet& meet, TableModels& models, Dialogs& dialogs, const TeamScreen& teams,
    const CheckScreen& check, QWidget* parent)
    : WorkingWindow(QStringLiteral("NetworkScreen"), tr("Meet Network"), parent)
    , meet_(meet)
    , models_(models)
    , dialogs_(dialogs)
    , teams_(teams)
    , check_(check)
    , folder_(meet.directory)
    , handler_(std::make_unique<RequestHandler>([this](const PhoneResult& result) { return storeFromPhone(result); }))
    , server_(std::make_unique<NetworkServer>(*handler_))
    , snapshots_(std::make_unique<SnapshotMaker>(
          [this](std::shared_ptr<const MeetSnapshot> snapshot) { handler_->publish(std::move(snapshot)); }))
    , addressSource_(laptopAddresses)
    , dialogChoices_(std::make_unique<DialogPrintChoices>())
    , printChoices_(dialogChoices_.get())
{
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    auto* central = new QWidget(scroll);
    auto* layout = new QVBoxLayout(central);

    auto* controls = new QHBoxLayout;
    start_ = namedButton("StartButton", tr("Start"), central);
    stop_ = namedButton("StopButton", tr("Stop"), central);
    portBox_ = new QSpinBox(central);
    portBox_->setObjectName(QStringLiteral("PortBox"));
    portBox_->setRange(1024, 65535);
    portBox_->setAccessibleName(tr("Port"));
    auto* portLabel = new QLabel(tr("Port"), central);
    portLabel->setBuddy(portBox_);
    const QSettings settings = programSettings();
    portBox_->setValue(settings.value(settingKey(folder_, QStringLiteral("port")), defaultPort).toInt());
    startWhenOpen_ = namedCheck("StartWhenOpenCheck", tr("Start when this meet opens"),
        settings.value(settingKey(folder_, QStringLiteral("startWhenOpen")), false).toBool(), central);
    for (QWidget* w : std::initializer_list<QWidget*> { start_, stop_, portLabel, portBox_, startWhenOpen_ })
        controls->addWidget(w);
    controls->addStretch();
    layout->addLayout(controls);
    status_ = new QLabel(central);
    status_->setObjectName(QStringLiteral("NetworkStatusLabel"));
    status_->setWordWrap(true);
    layout->addWidget(status_);

    auto* pages = new QGroupBox(tr("Spectator page: open it on a phone or scan its code"), central);
    addressGrid_ = new QGridLayout(pages);
    layout->addWidget(pages);

    auto* mats = new QGroupBox(tr("Mats: a scorer opens his mat's link or types its PIN"), central);
    auto* matsLayout = new QVBoxLayout(mats);
    codeGrid_ = new QGridLayout;
    matsLayout->addLayout(codeGrid_);
    auto* cardButtons = new QHBoxLayout;
    auto* print = namedButton("PrintMatCardsButton", tr("Print Mat Cards..."), mats);
    auto* exportPdf = namedButton("ExportMatCardsButton", tr("Export Mat Cards as PDF..."), mats);
    auto* fresh = namedButton("NewCodesButton", tr("New Codes"), mats);
    fresh->setAccessibleDescription(tr("Makes new mat codes; every phone with the old ones is shut out"));
    for (auto* b : { print, exportPdf, fresh })
        cardButtons->addWidget(b);
    cardButtons->addStretch();
    matsLayout->addLayout(cardButtons);
    layout->addWidget(mats);

    auto* deviceBox = new QGroupBox(tr("Scorer devices"), central);
    auto* deviceLayout = new QVBoxLayout(deviceBox);
    devices_ = new QTableWidget(0, 5, deviceBox);
    devices_->setObjectName(QStringLiteral("DeviceGrid"));
    devices_->setAccessibleName(tr("Scorer devices"));
    devices_->setHorizontalHeaderLabels(
        { tr("Mat"), tr("Address"), tr("Last seen"), tr("Results sent"), tr("Waiting on the device") });
    devices_->horizontalHeader()->setStretchLastSection(true);
    devices_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    devices_->setMinimumHeight(120);
    deviceLayout->addWidget(devices_);
    layout->addWidget(deviceBox);

    auto* logBox = new QGroupBox(tr("Results over the network"), central);
    auto* logLayout = new QVBoxLayout(logBox);
    log_ = new QPlainTextEdit(logBox);
    log_->setObjectName(QStringLiteral("NetworkLogView"));
    log_->setAccessibleName(tr("Results over the network"));
    log_->setReadOnly(true);
    log_->setMinimumHeight(120);
    logLayout->addWidget(log_);
    layout->addWidget(logBox);

    scroll->setWidget(central);
    setCentralWidget(scroll);
    WindowPlacement::keep(*this, QSize(900, 700));

    ensureCodes();
    showCodes();
    showAddresses();

    connect(start_, &QPushButton::clicked, this, &NetworkScreen::startServing);
    connect(stop_, &QPushButton::clicked, this, &NetworkScreen::stopServing);
    connect(print, &QPushButton::clicked, this, &NetworkScreen::printCards);
    connect(exportPdf, &QPushButton::clicked, this, &NetworkScreen::exportCards);
    connect(fresh, &QPushButton::clicked, this, &NetworkScreen::newCodes);
    connect(startWhenOpen_, &QCheckBox::toggled, this,
        [this](bool on) { programSettings().setValue(settingKey(folder_, QStringLiteral("startWhenOpen")), on); });
    connect(portBox_, &QSpinBox::valueChanged, this, [this](int value) {
        programSettings().setValue(settingKey(folder_, QStringLiteral("port")), value);
        showAddresses();
        showCodes();
    });
    connect(&models_, &TableModels::refreshed, this, &NetworkScreen::publish);
    // The estimated starts follow the Meet Check's start time and minutes per bout.
    connect(&check_, &CheckScreen::valuesEdited, this, &NetworkScreen::publish);
    newsTimer_ = new QTimer(this);
    newsTimer_->setInterval(1000);
    connect(newsTimer_, &QTimer::timeout, this, &NetworkScreen::takeNews);
    stop_->setEnabled(false);
    status_->setText(tr("Not serving. Phones reach the meet once you click Start."));
    // After the windows have loaded the meet, so the phones see it whole.
    if (startWhenOpen_->isChecked())
        QTimer::singleShot(0, this, &NetworkScreen::startServing);
}

NetworkScreen::~NetworkScreen()
{
    stopServing();
}

void NetworkScreen::setAddressSource(std::function<QStringList()> source)
{
    addressSource_ = std::move(source);
    showAddresses();
    showCodes();
}

bool NetworkScreen::serving() const
{
    return server_->running();
}

int NetworkScreen::port() const
{
    return portBox_->value();
}

QStringList NetworkScreen::pageAddresses() const
{
    QStringList pages;
    for (const QString& address : addresses_)
        pages.append(QStringLiteral("http://%1:%2/").arg(address).arg(port()));
    return pages;
}

QString NetworkScreen::firstAddress() const
{
    const QStringList pages = pageAddresses();
    return pages.isEmpty() ? QStringLiteral("http://127.0.0.1:%1/").arg(port()) : pages.first();
}

bool NetworkScreen::startServing()
{
    if (serving())
        return true;
    ensureCodes();
    showCodes();
    showAddresses();
    publishing_ = true;
    // The first phone finds the meet whole.
    snapshots_->makeNow(meet_, check_.values());
    std::string error;
    if (!server_->start(port(), error)) {
        publishing_ = false;
        dialogs_.inform(error);
        status_->setText(toQt(error));
        return false;
    }
    start_->setEnabled(false);
    stop_->setEnabled(true);
    portBox_->setEnabled(false);
    newsTimer_->start();
    status_->setText(addresses_.isEmpty()
            ? tr("Serving on port %1, but this computer is on no network: connect it to the gym's Wi-Fi or start "
                 "its hotspot.")
                  .arg(port())
            : tr("Serving on port %1.").arg(port()));
    return true;
}

void NetworkScreen::stopServing()
{
    if (!server_->running())
        return;
    stopping_ = true;
    server_->stop();
    stopping_ = false;
    publishing_ = false;
    takeNews();
    newsTimer_->stop();
    start_->setEnabled(true);
    stop_->setEnabled(false);
    portBox_->setEnabled(true);
    status_->setText(tr("Stopped. Phones reach the meet once you click Start."));
}

PhoneAnswer NetworkScreen::storeFromPhone(const PhoneResult& result)
{
    // On one of the server's threads: the result goes to the window thread,
    // and the phone hears nothing until it is stored there.
    auto waiting = std::make_shared<Waiting>();
    waiting->result = result;
    auto answer = waiting->answer.get_future();
    QMetaObject::invokeMethod(
        this,
        [this, waiting] {
            waiting_.push_back(waiting);
            storeWaiting();
        },
        Qt::QueuedConnection);
    const auto givingUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (answer.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
        if (stopping_ || std::chrono::steady_clock::now() > givingUp) {
            waiting->abandoned = true;
            PhoneAnswer later;
            later.retry = true;
            later.messages.push_back("The laptop is busy. The result waits on this phone and goes again by itself.");
            return later;
        }
    }
    return answer.get();
}

void NetworkScreen::storeWaiting()
{
    // A message box or dialog of the director's is open in the middle of a
    // command, or the matching is rebuilding the bouts; the result waits
    // until the laptop is done.
    if (QApplication::activeModalWidget() || meet_.matchRunning) {
        QTimer::singleShot(200, this, &NetworkScreen::storeWaiting);
        return;
    }
    // Each phone hears as soon as its result is in the restore file; the
    // windows and the phones' snapshot follow once for all stored together.
    bool stored = false;
    while (!waiting_.empty()) {
        const auto waiting = waiting_.front();
        waiting_.pop_front();
        if (waiting->abandoned)
            continue;
        const PhoneAnswer answer = results_.store(meet_, waiting->result);
        stored = stored || (answer.stored && !answer.again);
        waiting->answer.set_value(answer);
    }
    if (stored)
        models_.refresh();
}

void NetworkScreen::publish()
{
    if (publishing_)
        snapshots_->take(meet_, check_.values());
}

void NetworkScreen::ensureCodes()
{
    const auto mats = readSingle(fromQt(teams_.matsText()));
    const int count = mats ? std::clamp(static_cast<int>(roundHalfEven(*mats)), 1, 6) : 1;
    ScorerCodes codes = *handler_->codes();
    if (codes.mats.empty()) {
        const QSettings settings = programSettings();
        for (int mat = 1; mat <= 6; ++mat) {
            const QString token
                = settings.value(settingKey(folder_, QStringLiteral("mat%1/token").arg(mat))).toString();
            const QString pin = settings.value(settingKey(folder_, QStringLiteral("mat%1/pin").arg(mat))).toString();
            if (token.size() != 32 || pin.size() != 6)
                break;
            codes.mats.push_back({ mat, fromQt(token), fromQt(pin) });
        }
    }
    codes = codesForMats(std::move(codes), count);
    // New codes would shut out the phones and empty the device list.
    if (codes == *handler_->codes())
        return;
    handler_->setCodes(codes);
    saveCodes();
}

void NetworkScreen::saveCodes()
{
    QSettings settings = programSettings();
    for (const MatCode& code : handler_->codes()->mats) {
        settings.setValue(
            settingKey(folder_, QStringLiteral("mat%1/token").arg(code.mat)), QString::fromLatin1(code.token));
        settings.setValue(
            settingKey(folder_, QStringLiteral("mat%1/pin").arg(code.mat)), QString::fromLatin1(code.pin));
    }
}

void NetworkScreen::newCodes()
{
    if (!dialogs_.ask("New codes shut out every phone that uses the old ones; the mat cards must be printed "
                      "again. Make new codes?"))
        return;
    handler_->setCodes(makeScorerCodes(static_cast<int>(handler_->codes()->mats.size())));
    saveCodes();
    ensureCodes();
    showCodes();
    takeNews();
}

void NetworkScreen::showAddresses()
{
    addresses_ = addressSource_();
    clearGrid(addressGrid_);
    auto* parent = addressGrid_->parentWidget();
    const QStringList pages = pageAddresses();
    if (pages.isEmpty()) {
        addressGrid_->addWidget(new QLabel(tr("This computer is on no network yet."), parent), 0, 0);
        return;
    }
    for (int k = 0; k < pages.size(); ++k) {
        auto* text = selectableText(pages[k], parent);
        text->setObjectName(QStringLiteral("PageAddressLabel%1").arg(k + 1));
        text->setAccessibleName(tr("Spectator page address %1").arg(pages[k]));
        auto* code = new QLabel(parent);
        code->setObjectName(QStringLiteral("PageCodeLabel%1").arg(k + 1));
        const QImage image = qrCode(pages[k]);
        // Eight pixels a module: a phone reads it off a projected screen.
        code->setPixmap(QPixmap::fromImage(image.scaled(image.size() * 8)));
        code->setAccessibleName(tr("QR code of %1").arg(pages[k]));
        addressGrid_->addWidget(code, k, 0);
        addressGrid_->addWidget(text, k, 1);
    }
    addressGrid_->setColumnStretch(1, 1);
}

void NetworkScreen::showCodes()
{
    clearGrid(codeGrid_);
    auto* parent = codeGrid_->parentWidget();
    int row = 0;
    for (const MatCode& code : handler_->codes()->mats) {
        const QString link = MatCards::scorerLink(firstAddress(), code);
        auto* mat = new QLabel(tr("Mat %1").arg(code.mat), parent);
        auto* text = selectableText(link, parent);
        text->setObjectName(QStringLiteral("ScorerLinkLabel%1").arg(code.mat));
        text->setAccessibleName(tr("Mat %1 scorer link").arg(code.mat));
        auto* pin = selectableText(tr("PIN %1").arg(QString::fromLatin1(code.pin)), parent);
        pin->setObjectName(QStringLiteral("PinLabel%1").arg(code.mat));
        codeGrid_->addWidget(mat, row, 0);
        codeGrid_->addWidget(text, row, 1);
        codeGrid_->addWidget(pin, row, 2);
        ++row;
    }
    codeGrid_->setColumnStretch(1, 1);
}

void NetworkScreen::printCards()
{
    ensureCodes();
    MatCards(*handler_->codes(), firstAddress()).preview(this);
}

void NetworkScreen::exportCards()
{
    ensureCodes();
    const auto suggested = meet_.directory / "MatCards.pdf";
    const QString file = printChoices_->choosePdfFile(this, QString::fromStdU16String(suggested.u16string()));
    if (file.isEmpty())
        return;
    if (!MatCards(*handler_->codes(), firstAddress()).writePdf(std::filesystem::path(file.toStdU16String())))
        dialogs_.inform("Couldn't write " + fromQt(file) + "; file may be in use.");
}

void NetworkScreen::takeNews()
{
    appendLog(handler_->takeLog());
    const auto devices = handler_->devices();
    devices_->setRowCount(static_cast<int>(devices.size()));
    for (int row = 0; row < static_cast<int>(devices.size()); ++row) {
        const ScorerDevice& device = devices[static_cast<std::size_t>(row)];
        const QString cells[] = { QString::number(device.mat), QString::fromLatin1(device.address),
            QDateTime::fromSecsSinceEpoch(device.lastSeen).toString(QStringLiteral("HH:mm:ss")),
            QString::number(device.resultsSent), QString::number(device.waiting) };
        for (int column = 0; column < 5; ++column)
            devices_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
}

void NetworkScreen::appendLog(const std::vector<NetworkLogEntry>& entries)
{
    if (entries.empty())
        return;
    std::vector<std::string> lines;
    for (const auto& entry : entries) {
        lines.push_back(networkLogLine(entry));
        log_->appendPlainText(toQt(lines.back()));
    }
    if (!appendNetworkLog(meet_.directory, lines))
        status_->setText(tr("Couldn't write %1; file may be in use.").arg(QLatin1String(networkLogFileName)));
}

} // namespace korvanda
