#include "soak/SoakRunner.h"

#include "bouts/MatchScreen.h"
#include "bouts/MeetLists.h"
#include "bouts/ResultEntry.h"
#include "folders/MeetFolders.h"
#include "meet/QtText.h"
#include "meet/RestoreFile.h"
#include "meetcheck/MatBoardScreen.h"
#include "shell/Shell.h"
#include "soak/KnownMessages.h"
#include "soak/MeetPromises.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>

#include <algorithm>
#include <ctime>
#include <fstream>
#include <iostream>

namespace korvanda::soak {

namespace {

// A director's limit: no click may keep him waiting longer on a small meet.
constexpr double slowActionSeconds = 2.0;

double cpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

std::size_t below(std::mt19937_64& rng, std::size_t n)
{
    return n == 0 ? 0 : static_cast<std::size_t>(rng() % n);
}

template <class T> T anyOf(std::mt19937_64& rng, const std::vector<T>& items)
{
    return items[below(rng, items.size())];
}

bool isPopup(const QWidget* w)
{
    const Qt::WindowType type = w->windowType();
    return qobject_cast<const QMenu*>(w) || type == Qt::Popup || type == Qt::ToolTip;
}

// The windows on screen, in a fixed order so one seed always picks alike.
QList<QWidget*> shownWindows()
{
    QList<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !isPopup(w))
            shown.append(w);
    std::sort(shown.begin(), shown.end(), [](QWidget* a, QWidget* b) {
        return std::make_pair(a->objectName(), a->windowTitle()) < std::make_pair(b->objectName(), b->windowTitle());
    });
    return shown;
}

// A control's name on the path: its object name, or its class and its
// place among the unnamed siblings of that class.
QString segment(QWidget* w, const QList<QWidget*>& siblings)
{
    if (!w->objectName().isEmpty())
        return w->objectName();
    int index = 0;
    for (QWidget* s : siblings) {
        if (s == w)
            break;
        if (s->objectName().isEmpty() && std::strcmp(s->metaObject()->className(), w->metaObject()->className()) == 0)
            ++index;
    }
    return QStringLiteral("%1#%2").arg(QString::fromLatin1(w->metaObject()->className())).arg(index);
}

QList<QWidget*> childWidgets(QWidget* parent)
{
    QList<QWidget*> out;
    for (QObject* o : parent->children())
        if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow())
            out.append(w);
    return out;
}

QString widgetPath(QWidget* w)
{
    QStringList parts;
    while (!w->isWindow()) {
        parts.prepend(segment(w, childWidgets(w->parentWidget())));
        w = w->parentWidget();
    }
    parts.prepend(segment(w, shownWindows()));
    return parts.join(QLatin1Char('/'));
}

QWidget* findWidget(const std::string& path)
{
    const QStringList parts = QString::fromUtf8(path.c_str()).split(QLatin1Char('/'));
    QList<QWidget*> level = shownWindows();
    QWidget* found = nullptr;
    for (const QString& part : parts) {
        found = nullptr;
        for (QWidget* w : level)
            if (segment(w, level) == part) {
                found = w;
                break;
            }
        if (!found)
            return nullptr;
        level = childWidgets(found);
    }
    return found;
}

bool usable(QWidget* w)
{
    return w->isVisible() && w->isEnabled();
}

// Boxes inside a spin box or a combo box are reached through their owner.
bool ownedBox(QWidget* w)
{
    QWidget* parent = w->parentWidget();
    return parent && (qobject_cast<QAbstractSpinBox*>(parent) || qobject_cast<QComboBox*>(parent));
}

bool editable(QWidget* w)
{
    if (auto* line = qobject_cast<QLineEdit*>(w))
        return !line->isReadOnly() && !ownedBox(w);
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
        return !spin->isReadOnly();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        return !plain->isReadOnly();
    if (auto* rich = qobject_cast<QTextEdit*>(w))
        return !rich->isReadOnly();
    return false;
}

// A menu is filled as it opens (the recent meets), so the soak opens it.
void openMenus(const QList<QAction*>& actions)
{
    for (QAction* action : actions)
        if (QMenu* menu = action->menu())
            emit menu->aboutToShow();
}

void collectMenu(const QList<QAction*>& actions, QStringList path, QList<QStringList>& out)
{
    for (QAction* action : actions) {
        if (action->isSeparator() || !action->isVisible() || !action->isEnabled())
            continue;
        QStringList here = path;
        here.append(action->text());
        if (QMenu* menu = action->menu())
            collectMenu(menu->actions(), here, out);
        else
            out.append(here);
    }
}

QAction* findMenuAction(QWidget* window, const std::vector<std::string>& texts)
{
    for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
        QList<QAction*> level = bar->actions();
        QAction* found = nullptr;
        for (const auto& text : texts) {
            found = nullptr;
            for (QAction* action : level)
                if (action->text() == QString::fromUtf8(text.c_str())) {
                    found = action;
                    break;
                }
            if (!found)
                break;
            if (found->menu())
                emit found->menu()->aboutToShow();
            level = found->menu() ? found->menu()->actions() : QList<QAction*> {};
        }
        if (found)
            return found;
    }
    return nullptr;
}

void activate(QWidget* window)
{
    if (QApplication::activeWindow() == window)
        return;
    window->activateWindow();
    QApplication::processEvents();
}

QPoint clickPoint(QAbstractButton* button)
{
    // A check box or an option button stretched by its layout answers to
    // its mark and caption only.
    if (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button))
        return QPoint(std::min(8, button->width() / 2), button->height() / 2);
    return button->rect().center();
}

const std::vector<std::string> viewKeys
    = { "Up", "Down", "PgUp", "PgDown", "Home", "End", "Return", "Space", "Left", "Right", "Tab" };
const std::vector<std::string> boxKeys
    = { "Return", "Tab", "Shift+Tab", "Escape", "Backspace", "Del", "Home", "End", "Up", "Down", "Ctrl+Z" };
const std::vector<std::string> windowKeys
    = { "Tab", "Shift+Tab", "Escape", "Return", "Space", "Alt+F", "Alt+W", "Alt+A", "Alt+L", "Alt+S", "Alt+R", "Alt+M",
          "Alt+C", "Alt+D", "Ctrl+N", "Ctrl+O", "Ctrl+P", "Ctrl+S", "F1", "F11", "Ctrl+5" };

// Letters beyond ASCII have no key of their own; they come as the text of
// a key press, as from a keyboard of another language.
void typeText(QWidget* target, const QString& text)
{
    for (const QChar ch : text) {
        if (ch.unicode() > 0x20 && ch.unicode() < 0x7f)
            QTest::keyClick(target, static_cast<char>(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

} // namespace

SoakRunner::SoakRunner(std::filesystem::path folder, std::uint64_t meetSeed)
    : root_(std::move(folder))
    , folder_(root_ / "Meet A")
{
    QApplication::setQuitOnLastWindowClosed(false);
    // The recent meets are the soak's own, not the user's.
    qputenv("XDG_CONFIG_HOME", QString::fromStdU16String((root_ / "config").u16string()).toLocal8Bit());
    for (const char* name : { "Meet A", "Meet B", "Demo" })
        std::filesystem::create_directories(root_ / name);
    writeScratchMeet(folder_, meetSeed);
    writeScratchMeet(root_ / "Meet B", meetSeed + 1);
    writeScratchMeet(root_ / "Demo", meetSeed + 2);
    std::ofstream(root_ / "A File.Txt") << "not a folder\r\n";
    // A real dialog that waits for an answer would stop the soak: answer
    // or close it as soon as it is up.
    modalGuard_.setInterval(20);
    connect(&modalGuard_, &QTimer::timeout, this, &SoakRunner::closeModalWindows);
    modalGuard_.start();
    startProgram();
    folderState_ = readFolder(folder_);
}

SoakRunner::~SoakRunner()
{
    stopProgram();
}

Meet& SoakRunner::meet()
{
    return folders_->meet();
}

Shell& SoakRunner::shell()
{
    return folders_->shell();
}

std::filesystem::path SoakRunner::meetFolder() const
{
    return std::filesystem::path(folders_->folder().toStdU16String());
}

void SoakRunner::startProgram()
{
    MeetLocations places { QString::fromStdU16String(root_.u16string()), QString::fromStdU16String(root_.u16string()),
        QString::fromStdU16String((root_ / "Demo").u16string()) };
    folders_ = std::make_unique<MeetFolders>(
        dialogs_, [this](QWidget*, const QString&, const QString&) { return chooseFolder(); }, places);
    folders_->open(QString::fromStdU16String(folder_.u16string()));
    for (WindowKind kind : { WindowKind::Team, WindowKind::Roster, WindowKind::Bout, WindowKind::Mat }) {
        shell().showWindow(kind);
        for (auto* box : shell().window(kind).findChildren<QLineEdit*>())
            startTexts_[widgetPath(box)] = box->text();
    }
    shell().showWindow(WindowKind::Team);
    QApplication::processEvents();
    meetOpened();
}

// Another meet took the place of the last one: the promises start afresh on it.
void SoakRunner::meetOpened()
{
    shownShell_ = &shell();
    shell().matchScreen().setPrintChoices(printChoices_);
    const auto opened = meetFolder();
    boutsRelaxed_ = false;
    // Another meet's restore file may come from a time its names were changed.
    if (opened != folder_)
        restoreFileRelaxed_ = true;
    folder_ = opened;
    plan_.clear();
}

void SoakRunner::stopProgram()
{
    folders_.reset();
    shownShell_ = nullptr;
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The director's choice of a folder: mostly the meets there are, now and
// then one that is missing, a file, or one nobody may write to.
QString SoakRunner::chooseFolder()
{
    const std::vector<std::filesystem::path> folders = { {}, root_ / "Meet A", root_ / "Meet B", root_ / "Meet A",
        root_ / "Meet B", root_ / ("New " + std::to_string(choices_() % 3)), root_ / "Gone" / "Meet",
        root_ / "A File.Txt", "/proc/Meet", "/proc" };
    return QString::fromStdU16String(folders[choices_() % folders.size()].u16string());
}

// The list and the PDF file the print dialogs answer, for the next action.
void SoakRunner::choosePrinting()
{
    const std::size_t list = choices_() % (allMeetLists.size() + 1);
    printChoices_.list = list == allMeetLists.size() ? std::nullopt : std::optional(allMeetLists[list]);
    const std::vector<std::filesystem::path> files
        = { {}, root_ / "Prints" / "List.pdf", root_ / "Prints", root_ / "Gone" / "List.pdf", "/proc/List.pdf" };
    std::error_code error;
    std::filesystem::create_directories(root_ / "Prints", error);
    printChoices_.file = QString::fromStdU16String(files[choices_() % files.size()].u16string());
}

void SoakRunner::closeModalWindows()
{
    for (int i = 0; i < 10; ++i) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            modalTexts_.push_back(box->text().toLatin1().toStdString());
            const auto buttons = box->buttons();
            if (!buttons.isEmpty()) {
                buttons[dialogs_.nextAnswer() ? 0 : buttons.size() - 1]->click();
                continue;
            }
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }
}

void SoakRunner::closeLeftovers()
{
    closeModalWindows();
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A box for a number (an age, a limit, a bout number, points) mostly gets
// one, as a director mostly types what the box asks for.
bool wantsNumber(QWidget* box)
{
    static const QRegularExpression numberNames(
        QStringLiteral("Age|Weight|Wgt|Skill|Diff|Bouts|Mats|Points|Number|Spin"));
    if (numberNames.match(box->objectName()).hasMatch() || qobject_cast<QAbstractSpinBox*>(box))
        return true;
    auto* line = qobject_cast<QLineEdit*>(box);
    bool number = false;
    if (line)
        line->text().toDouble(&number);
    return number;
}

std::string SoakRunner::pickText(std::mt19937_64& rng, QWidget* box, bool forPaste)
{
    static const std::vector<std::string> numbers = { "1", "2", "3", "4", "5", "6", "7", "8", "10", "12", "15", "20",
        "2.5", "9.5", "10.25", "45", "72", "85.5", "100" };
    // Numbers at the edges: a weight of 0 blocks the matching until mended.
    static const std::vector<std::string> edges = { "0", "-1", "150", "0.5", "1,5", "1e2", "-0", "32768" };
    static const std::vector<std::string> junk = { "", " ", "abc", "\"quoted\"", "it's", "Zo\xc3\xab",
        "\xe2\x82\xac"
        "5",
        "\xe6\x97\xa5\xe6\x9c\xac", "   12  ", "0x10", "NaN", "inf", "99999999999999999999", "-0", ".5", "5.", "1.2.3",
        "\xc2\xa0", "a,b", "=1+1", "%s%n", "Bout 3", std::string(300, 'W') };
    static const std::vector<std::string> pasted = { "tab\there", "two\nlines", "cr\rlf\r\n", "\t", "quote\"d\ttab" };
    const std::size_t kind = below(rng, 100);
    if (kind < (wantsNumber(box) ? 75 : 30))
        return below(rng, 5) == 0 ? anyOf(rng, edges) : anyOf(rng, numbers);
    if (kind < 65) {
        // A wrestler, team or bout the meet already holds, so duplicates,
        // hand matches and bout numbers come up.
        std::vector<std::string> known;
        for (int r = 1; r < meet().roster.rowCount(); ++r)
            known.push_back(toQt(meet().roster.cell(r, RosterColumn::Name)).toStdString());
        for (int r = 1; r < meet().teamList.rowCount(); ++r)
            known.push_back(toQt(meet().teamList.cell(r, TeamColumn::Abbrev)).toStdString());
        for (int r = 1; r < meet().boutGrid.rowCount(); ++r)
            known.push_back(std::to_string(r));
        known.push_back("New Wrestler " + std::to_string(below(rng, 50)));
        return anyOf(rng, known);
    }
    if (forPaste && kind < 80)
        return anyOf(rng, pasted);
    return anyOf(rng, junk);
}

namespace {

SoakAction act(std::string verb, std::vector<std::string> args)
{
    SoakAction action;
    action.verb = std::move(verb);
    action.args = std::move(args);
    return action;
}

} // namespace

// ---- the flow of a meet ---------------------------------------------------
// Random clicks alone seldom get a meet to its bouts: a delete here, junk in
// a limit box there. So most of the time the soak follows a director's plan
// (load, match, enter results, schedule, write the files) one step per
// action, with random actions and folder sabotage in between.

QWidget* SoakRunner::namedWidget(const QString& name)
{
    std::vector<QWidget*> windows;
    for (WindowKind kind :
        { WindowKind::Team, WindowKind::Roster, WindowKind::Bout, WindowKind::Mat, WindowKind::Check })
        windows.push_back(&shell().window(kind));
    windows.push_back(&shell().boardScreen());
    for (QWidget* window : windows) {
        if (window->objectName() == name)
            return window;
        if (auto* found = window->findChild<QWidget*>(name))
            return found;
    }
    return nullptr;
}

std::optional<SoakAction> SoakRunner::showWindowOf(QWidget* window)
{
    static const std::map<QString, std::string> entries
        = { { QStringLiteral("TeamScreen"), "&Team" }, { QStringLiteral("WrestlerScreen"), "&Roster" },
              { QStringLiteral("MatchScreen"), "&Bout" }, { QStringLiteral("ScheduleScreen"), "&Mat" },
              { QStringLiteral("CheckScreen"), "Meet &Check" }, { QStringLiteral("MatBoardScreen"), "Mat B&oard" } };
    const auto entry = entries.find(window->objectName());
    if (entry == entries.end())
        return std::nullopt;
    for (QWidget* shown : shownWindows())
        if (shown->findChild<QMenuBar*>()) {
            return act("menu", { widgetPath(shown).toStdString(), "&Window", entry->second });
        }
    return std::nullopt;
}

std::optional<SoakAction> SoakRunner::reach(const QString& name, const std::function<SoakAction(QWidget*)>& make)
{
    QWidget* w = namedWidget(name);
    if (!w)
        return std::nullopt;
    if (!w->window()->isVisible()) {
        stepAgain_ = true;
        return showWindowOf(w->window());
    }
    if (!usable(w))
        return std::nullopt;
    return make(w);
}

void SoakRunner::planClick(const QString& name)
{
    plan_.push_back([this, name](std::mt19937_64&) {
        return reach(name, [](QWidget* w) { return act("click", { widgetPath(w).toStdString() }); });
    });
}

void SoakRunner::planType(const QString& name, const std::string& text)
{
    plan_.push_back([this, name, text](std::mt19937_64&) {
        return reach(name, [&text](QWidget* w) { return act("type", { widgetPath(w).toStdString(), text }); });
    });
}

void SoakRunner::planKey(const QString& name, const std::string& key)
{
    plan_.push_back([this, name, key](std::mt19937_64&) {
        return reach(name, [&key](QWidget* w) { return act("key", { widgetPath(w).toStdString(), key }); });
    });
}

// A click, or a double-click, on any data row of a table.
void SoakRunner::planRow(const QString& name, bool twice)
{
    plan_.push_back([this, name, twice](std::mt19937_64& rng) {
        return reach(name, [&rng, twice](QWidget* w) {
            auto* view = qobject_cast<QAbstractItemView*>(w);
            const int rows = view && view->model() ? view->model()->rowCount() : 0;
            const std::size_t row = rows > 1 ? 1 + below(rng, static_cast<std::size_t>(rows - 1)) : 0;
            return act(twice ? "double" : "row", { widgetPath(w).toStdString(), std::to_string(row), "0" });
        });
    });
}

void SoakRunner::planMenu(std::vector<std::string> entry)
{
    plan_.push_back([entry = std::move(entry)](std::mt19937_64&) -> std::optional<SoakAction> {
        for (QWidget* shown : shownWindows())
            if (shown->findChild<QMenuBar*>()) {
                SoakAction action = act("menu", { widgetPath(shown).toStdString() });
                action.args.insert(action.args.end(), entry.begin(), entry.end());
                return action;
            }
        return std::nullopt;
    });
}

// A result a director would type: a winner, a kind of win and points
// that fit it, for any bout of the list.
void SoakRunner::planResult(std::mt19937_64& rng)
{
    const int bouts = meet().boutGrid.rowCount() - 1;
    if (bouts < 1 || meet().boutGrid.cell(1, BoutColumn::Bout).empty())
        return;
    planType(QStringLiteral("BoutNumberBox"), std::to_string(1 + below(rng, static_cast<std::size_t>(bouts))));
    planKey(QStringLiteral("BoutNumberBox"), "Return");
    // The least margin of each kind of win by points: decision, major,
    // superior, technical fall.
    static const std::map<int, std::pair<int, int>> margins = { { ResultType::Decision, { 1, 7 } },
        { ResultType::MajDec, { 8, 11 } }, { ResultType::SupDec, { 12, 14 } }, { ResultType::TechFall, { 15, 20 } } };
    const int type = 1 + static_cast<int>(below(rng, 8));
    const int winner = 1 + static_cast<int>(below(rng, 2));
    std::string points[2];
    if (const auto margin = margins.find(type); margin != margins.end()) {
        const int loser = static_cast<int>(below(rng, 6));
        const auto [least, most] = margin->second;
        points[winner - 1] = std::to_string(loser + least + static_cast<int>(below(rng, most - least + 1)));
        points[2 - winner] = std::to_string(loser);
    } else if (type == ResultType::Draw) {
        points[0] = points[1] = std::to_string(below(rng, 8));
    } else if (type == ResultType::Fall && below(rng, 2) == 0) {
        points[0] = std::to_string(below(rng, 12));
        points[1] = std::to_string(below(rng, 12));
    }
    if (type != ResultType::Draw && type != ResultType::Scratch)
        planClick(QStringLiteral("WinnerOption%1").arg(winner));
    planClick(QStringLiteral("WinByOption%1").arg(type));
    for (int k = 0; k < 2; ++k) {
        const QString box = QStringLiteral("ResultsPointsBox%1").arg(k + 1);
        planType(box, points[k]);
        if (points[k].empty())
            planKey(box, "Del");
    }
    planClick(QStringLiteral("AcceptButton"));
}

void SoakRunner::planFlow(std::mt19937_64& rng)
{
    const bool hasBouts = !meet().boutGrid.cell(1, BoutColumn::Bout).empty();
    const bool hasWrestlers = !meet().roster.cell(1, RosterColumn::Name).empty();
    std::size_t roll = below(rng, 100);
    // An empty meet is first loaded and matched.
    if (!hasWrestlers && roll < 60)
        roll = 0;
    else if (!hasBouts && roll >= 25 && roll < 60)
        roll = 10;
    // A meet with bouts is mostly scored, seldom matched anew.
    else if (hasBouts && roll >= 8 && roll < 20 && below(rng, 2) == 0)
        roll = 30;
    if (roll < 8) {
        planClick(QStringLiteral("LoadRostersButton"));
    } else if (roll < 20) {
        // Junk left in a limit box would refuse the matching.
        for (const auto& [path, text] : startTexts_)
            if (path.contains(QLatin1String("AutoMatchFrame")) && !text.isEmpty())
                planType(path.section(QLatin1Char('/'), -1), text.toStdString());
        planClick(QStringLiteral("AutoGoButton"));
    } else if (roll < 25) {
        planRow(QStringLiteral("Roster"), false);
        planRow(QStringLiteral("HandMatchGrid"), false);
        planClick(QStringLiteral("HandMatchAddButton"));
    } else if (roll < 60) {
        planResult(rng);
    } else if (roll < 63) {
        planClick(
            below(rng, 2) == 0 ? QStringLiteral("RemoveLastButton") : QStringLiteral("HandMatchRemoveLastButton"));
    } else if (roll < 70) {
        planClick(below(rng, 2) == 0 ? QStringLiteral("ScheduleButton") : QStringLiteral("ScheduleByWeightButton"));
    } else if (roll < 76) {
        planClick(QStringLiteral("WriteFilesButton"));
    } else if (roll < 80) {
        planClick(QStringLiteral("SaveButton"));
    } else if (roll < 84) {
        planClick(QStringLiteral("RestoreButton"));
    } else if (roll < 91) {
        static const std::vector<std::string> boxes = { "MinimumRestBox", "MinutesPerBoutBox", "StartTimeBox" };
        static const std::vector<std::string> typed = { "0", "1", "3", "12", "99", "8:30", "23:59", "x" };
        planClick(QStringLiteral("RefreshButton"));
        switch (below(rng, 4)) {
        case 0:
            planClick(QStringLiteral("WriteReportButton"));
            break;
        case 1:
            planRow(QStringLiteral("ShortGrid"), true);
            break;
        case 2:
            planRow(QStringLiteral("ShortGrid"), false);
            planClick(QStringLiteral("ToHandMatchButton"));
            break;
        default:
            planType(QString::fromStdString(anyOf(rng, boxes)), anyOf(rng, typed));
        }
    } else if (roll < 94) {
        planClick(below(rng, 2) == 0 ? QStringLiteral("PrintButton") : QStringLiteral("ExportPdfButton"));
    } else if (roll < 97) {
        planMenu({ "&Window", "Mat B&oard" });
        planKey(QStringLiteral("MatBoardScreen"), "F11");
        planKey(QStringLiteral("MatBoardScreen"), below(rng, 2) == 0 ? "Escape" : "F11");
    } else {
        static const std::vector<std::string> entries = { "&New Meet...", "&Open Meet...", "Open &Recent" };
        const std::string& entry = anyOf(rng, entries);
        if (entry != "Open &Recent") {
            planMenu({ "&File", entry });
            return;
        }
        // The recent list is filled as the File menu opens.
        plan_.push_back([](std::mt19937_64& rng) -> std::optional<SoakAction> {
            for (QWidget* shown : shownWindows()) {
                auto* recentMenu = shown->findChild<QMenu*>(QStringLiteral("mnuOpenRecent"));
                if (!recentMenu)
                    continue;
                if (auto* fileMenu = qobject_cast<QMenu*>(recentMenu->parent()))
                    emit fileMenu->aboutToShow();
                const QList<QAction*> recent = recentMenu->actions();
                if (recent.isEmpty())
                    return std::nullopt;
                return act("menu",
                    { widgetPath(shown).toStdString(), "&File", "Open &Recent",
                        recent[static_cast<int>(below(rng, recent.size()))]->text().toStdString() });
            }
            return std::nullopt;
        });
    }
}

SoakAction SoakRunner::pick(std::mt19937_64& rng)
{
    // Now and then the director strays from the plan.
    if (plan_.empty() && below(rng, 100) < 45)
        planFlow(rng);
    while (!plan_.empty() && below(rng, 5) != 0) {
        Step step = std::move(plan_.front());
        plan_.pop_front();
        stepAgain_ = false;
        auto planned = step(rng);
        // A step that first shows its window comes again, but once only.
        if (stepAgain_ && !stepRepeated_)
            plan_.push_front(std::move(step));
        stepRepeated_ = stepAgain_ && !stepRepeated_;
        if (planned) {
            planned->answers = rng();
            return *planned;
        }
    }

    std::vector<QAbstractButton*> buttons;
    std::vector<QWidget*> edits, views, focusables;
    std::vector<std::pair<QWidget*, QStringList>> menus;
    const QList<QWidget*> windows = shownWindows();
    for (QWidget* window : windows) {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!usable(w) || w->window() != window)
                continue;
            if (auto* button = qobject_cast<QAbstractButton*>(w))
                buttons.push_back(button);
            else if (editable(w))
                edits.push_back(w);
            else if (qobject_cast<QAbstractItemView*>(w) && !qobject_cast<QAbstractItemView*>(w->parentWidget()))
                views.push_back(w);
            if ((w->focusPolicy() & Qt::TabFocus) && !ownedBox(w))
                focusables.push_back(w);
        }
        QList<QStringList> entries;
        for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
            openMenus(bar->actions());
            collectMenu(bar->actions(), {}, entries);
        }
        for (const auto& entry : entries)
            menus.emplace_back(window, entry);
    }

    SoakAction action;
    action.answers = rng();
    for (int attempt = 0; attempt < 20; ++attempt) {
        const std::size_t roll = below(rng, 1000);
        if (roll < 40) {
            const auto chosen = pickSabotage(folderState_, rng);
            action.verb = chosen.verb;
            action.args = chosen.args;
            return action;
        }
        if (roll < 360 && !buttons.empty()) {
            // The meet's commands are push buttons; options and arrows are many more.
            QAbstractButton* button = anyOf(rng, buttons);
            if (!qobject_cast<QPushButton*>(button) && below(rng, 3) != 0)
                button = anyOf(rng, buttons);
            // Deleting teams and wrestlers is rare at a meet, and each one shrinks it for good.
            if (button->objectName().contains(QLatin1String("Delete")) && below(rng, 4) != 0)
                continue;
            action.verb = "click";
            action.args = { widgetPath(button).toStdString() };
            return action;
        }
        if (roll < 560 && !views.empty()) {
            auto* view = static_cast<QAbstractItemView*>(anyOf(rng, views));
            const int rows = view->model() ? view->model()->rowCount() : 0;
            const int columns = view->model() ? view->model()->columnCount() : 0;
            if (roll >= 530 || rows == 0 || columns == 0) {
                action.verb = "key";
                action.args = { widgetPath(view).toStdString(), anyOf(rng, viewKeys) };
                return action;
            }
            action.verb = roll < 490 ? "row" : "double";
            action.args = { widgetPath(view).toStdString(), std::to_string(below(rng, static_cast<std::size_t>(rows))),
                std::to_string(below(rng, static_cast<std::size_t>(columns))) };
            return action;
        }
        if (roll < 780 && !edits.empty()) {
            QWidget* box = anyOf(rng, edits);
            const bool paste = roll >= 740 && qobject_cast<QLineEdit*>(box);
            action.verb = paste ? "paste" : "type";
            // A box put back to what it held at the start mends a bad limit pair.
            const auto start = startTexts_.find(widgetPath(box));
            const bool mend = start != startTexts_.end() && !start->second.isEmpty() && below(rng, 2) == 0;
            action.args
                = { widgetPath(box).toStdString(), mend ? start->second.toStdString() : pickText(rng, box, paste) };
            return action;
        }
        if (roll < 850 && !focusables.empty()) {
            QWidget* w = anyOf(rng, focusables);
            action.verb = "key";
            action.args = { widgetPath(w).toStdString(), anyOf(rng, editable(w) ? boxKeys : viewKeys) };
            return action;
        }
        if (roll < 870 && !windows.isEmpty()) {
            action.verb = "key";
            action.args = { widgetPath(windows[static_cast<int>(below(rng, windows.size()))]).toStdString(),
                anyOf(rng, windowKeys) };
            return action;
        }
        if (roll < 998 && !menus.empty()) {
            const auto& [window, entry] = menus[below(rng, menus.size())];
            // Ending the program is rare in a meet; most picks of it are taken back.
            const bool ends
                = entry.last().contains(QLatin1String("xit")) || entry.last().contains(QLatin1String("Quit"));
            if (ends && below(rng, 30) != 0)
                continue;
            // So is leaving for another meet, which starts the promises afresh.
            if (entry.first() == QLatin1String("&File") && below(rng, 4) != 0)
                continue;
            action.verb = "menu";
            action.args = { widgetPath(window).toStdString() };
            for (const auto& text : entry)
                action.args.push_back(text.toStdString());
            return action;
        }
        if (roll >= 998 && !windows.isEmpty()) {
            action.verb = "close";
            action.args = { widgetPath(windows[static_cast<int>(below(rng, windows.size()))]).toStdString() };
            return action;
        }
    }
    action.verb = "sabotage";
    action.args = { "mend" };
    return action;
}

void SoakRunner::doAction(const SoakAction& action)
{
    const auto& args = action.args;
    if (action.verb == "sabotage") {
        sabotage(meetFolder(), action);
        return;
    }
    if (args.empty())
        return;
    QWidget* target = findWidget(args[0]);
    if (!target || !usable(target))
        return;
    activate(target->window());
    if (action.verb == "click") {
        if (auto* button = qobject_cast<QAbstractButton*>(target))
            QTest::mouseClick(button, Qt::LeftButton, {}, clickPoint(button));
    } else if ((action.verb == "row" || action.verb == "double") && args.size() == 3) {
        auto* view = qobject_cast<QAbstractItemView*>(target);
        if (!view || !view->model())
            return;
        const QModelIndex index = view->model()->index(std::stoi(args[1]), std::stoi(args[2]));
        if (!index.isValid())
            return;
        view->scrollTo(index);
        const QRect cell = view->visualRect(index);
        if (!cell.isValid() || !view->viewport()->rect().contains(cell.center()))
            return;
        if (action.verb == "row")
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        else
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    } else if (action.verb == "key" && args.size() == 2) {
        const QKeySequence sequence = QKeySequence::fromString(QString::fromUtf8(args[1].c_str()));
        if (sequence.isEmpty())
            return;
        QWidget* receiver = target;
        if (target->isWindow()) {
            receiver = QApplication::focusWidget();
            if (!receiver || receiver->window() != target)
                receiver = target;
        } else {
            target->setFocus(Qt::TabFocusReason);
        }
        QTest::keyClick(receiver, sequence[0].key(), sequence[0].keyboardModifiers());
    } else if ((action.verb == "type" || action.verb == "paste") && args.size() == 2) {
        const QString text = QString::fromUtf8(args[1].c_str());
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
        if (!usable(target))
            return;
        auto* line = qobject_cast<QLineEdit*>(target);
        if (action.verb == "paste" && line) {
            line->selectAll();
            line->insert(text);
        } else {
            QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
            typeText(target, text);
        }
    } else if (action.verb == "menu") {
        if (QAction* entry = findMenuAction(target, { args.begin() + 1, args.end() });
            entry && entry->isEnabled() && entry->isVisible())
            entry->trigger();
    } else if (action.verb == "close") {
        target->close();
    }
}

std::optional<BrokenPromise> SoakRunner::perform(const SoakAction& action)
{
    dialogs_.startAction(action.answers);
    choices_.seed(action.answers ^ 0x9e3779b97f4a7c15ULL);
    choosePrinting();
    modalTexts_.clear();
    before_ = { meet().teamList, meet().roster, meet().boutGrid };
    const double started = cpuSeconds();
    doAction(action);
    closeLeftovers();
    // Closing the last window ends the program; the director starts it again.
    if (shownWindows().isEmpty()) {
        stopProgram();
        startProgram();
        ++restarts_;
    }
    switched_ = &shell() != shownShell_;
    if (switched_) {
        meetOpened();
        ++meetSwitches_;
    }
    const double spent = cpuSeconds() - started;
    if (spent > slowestSeconds_) {
        slowestSeconds_ = spent;
        slowestAction_ = action.line();
    }
    if (spent > slowActionSeconds)
        return BrokenPromise { "slow", "the action took " + std::to_string(spent) + " s" };
    return checkPromises(action);
}

std::optional<BrokenPromise> SoakRunner::checkPromises(const SoakAction& action)
{
    std::vector<std::string> messages = modalTexts_;
    for (const auto& shown : dialogs_.shown)
        messages.push_back(shown.text);
    messagesShown_ += static_cast<int>(messages.size());
    if (trace_) {
        std::cout << action.line() << "  [" << meet().roster.rowCount() - 1 << " roster rows, "
                  << meet().boutGrid.rowCount() - 1 << " bout rows]\n";
        for (const auto& text : messages)
            std::cout << "    \"" << text << "\"\n";
    }
    for (const auto& text : messages)
        if (!isKnownMessage(text))
            return BrokenPromise { "message", "unknown message \"" + text + "\"" };
    if (auto problem = tableShapeProblem(meet()))
        return BrokenPromise { "tables", *problem };
    int results = 0;
    for (int r = 1; r < meet().boutGrid.rowCount(); ++r)
        results += !meet().boutGrid.cell(r, BoutColumn::Winner1).empty()
            || !meet().boutGrid.cell(r, BoutColumn::Winner2).empty();
    mostResults_ = std::max(mostResults_, results);
    if (!meet().boutGrid.cell(meet().boutGrid.rowCount() - 1, BoutColumn::Bout).empty())
        mostBouts_ = std::max(mostBouts_, meet().boutGrid.rowCount() - 1);
    if (auto broken = checkViews())
        return broken;
    const FolderState before = std::move(folderState_);
    folderState_ = readFolder(folder_);
    // The promises hold for the meet that is open now, from now on.
    if (switched_)
        return boutNumberProblem(meet()) ? std::optional(BrokenPromise { "bout numbers", *boutNumberProblem(meet()) })
                                         : std::nullopt;
    const bool sabotaged = action.verb == "sabotage";
    if (!sabotaged)
        if (auto broken = checkFiles(before))
            return broken;

    const auto restore = folderState_.find(restoreFileName);
    const bool restoreThere = restore != folderState_.end() && !restore->second.directory;
    const auto old = before.find(restoreFileName);
    const bool restoreWritten
        = !sabotaged && restoreThere && (old == before.end() || !(old->second == restore->second));
    if (restoreWritten)
        if (auto problem = restoreFileProblem(meet(), restore->second.bytes))
            return BrokenPromise { "restore file", *problem };
    if (auto problem = boutNumberProblem(meet()))
        return BrokenPromise { "bout numbers", *problem };
    const bool changed = !(
        meet().teamList == before_.teamList && meet().roster == before_.roster && meet().boutGrid == before_.boutGrid);
    // The tables changed into what the restore file holds: it was read back.
    const bool restored
        = changed && !restoreWritten && restoreThere && !restoreFileProblem(meet(), restore->second.bytes);
    followBoutsRules(action, changed, restored, restoreWritten);
    countFlow(action, changed);
    if (!boutsRelaxed_)
        if (auto problem = boutsCellProblem(meet()))
            return BrokenPromise { "bouts cells", *problem };
    return std::nullopt;
}

void SoakRunner::followBoutsRules(const SoakAction& action, bool changed, bool restored, bool restoreWritten)
{
    static const std::string matchButton = "/AutoGoButton";
    const std::string& target = action.args.empty() ? std::string() : action.args[0];
    // A full matching writes every Bouts cell afresh. It ran when "Match"
    // changed the tables and nothing was refused or answered No.
    const bool matchClicked = action.verb == "click" && target.size() >= matchButton.size()
        && target.compare(target.size() - matchButton.size(), std::string::npos, matchButton) == 0;
    if (matchClicked && changed
        && std::all_of(dialogs_.shown.begin(), dialogs_.shown.end(),
            [](const SoakDialogs::Shown& shown) { return shown.question && shown.answer; }))
        boutsRelaxed_ = false;
    if (restored)
        boutsRelaxed_ = restoreFileRelaxed_;
    if (boutsMayDisagree(meet()))
        boutsRelaxed_ = true;
    // A wrestler added from the editor while it showed another's bouts gets
    // a copy of them under his new name, as the meet's rules say.
    const Table& roster = meet().roster;
    if (roster.rowCount() > before_.roster.rowCount()
        && !roster.cell(roster.rowCount() - 1, RosterColumn::Bouts).empty())
        boutsRelaxed_ = true;
    if (restoreWritten)
        restoreFileRelaxed_ = boutsRelaxed_;
}

namespace {

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), std::string::npos, end) == 0;
}

} // namespace

void SoakRunner::countFlow(const SoakAction& action, bool changed)
{
    const std::string& target = action.args.empty() ? std::string() : action.args[0];
    const bool refused = !dialogs_.shown.empty() || !modalTexts_.empty();
    const bool hasBouts = !meet().boutGrid.cell(1, BoutColumn::Bout).empty();
    if (target.find("BoutResultsFrame") != std::string::npos && changed
        && meet().boutGrid.rowCount() == before_.boutGrid.rowCount())
        ++resultsAccepted_;
    if (action.verb == "click" && !refused && hasBouts
        && (endsWith(target, "/ScheduleButton") || endsWith(target, "/ScheduleByWeightButton")))
        ++schedules_;
    if (action.verb == "click" && !refused && hasBouts && endsWith(target, "/WriteFilesButton"))
        ++filesWritten_;
}

std::optional<BrokenPromise> SoakRunner::checkViews()
{
    for (QWidget* top : QApplication::topLevelWidgets())
        for (auto* view : top->findChildren<QAbstractItemView*>()) {
            const QAbstractItemModel* model = view->model();
            if (!model)
                continue;
            const int rows = model->rowCount();
            const QModelIndex current = view->currentIndex();
            if (current.isValid() && current.row() >= rows)
                return BrokenPromise { "rows",
                    widgetPath(view).toStdString() + " current row " + std::to_string(current.row()) + " of "
                        + std::to_string(rows) };
            if (view->selectionModel())
                for (const QModelIndex& index : view->selectionModel()->selectedIndexes())
                    if (index.row() >= rows)
                        return BrokenPromise { "rows",
                            widgetPath(view).toStdString() + " selects row " + std::to_string(index.row()) + " of "
                                + std::to_string(rows) };
        }
    return std::nullopt;
}

std::optional<BrokenPromise> SoakRunner::checkFiles(const FolderState& before)
{
    for (const auto& name : changedFiles(before, folderState_)) {
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".new") == 0)
            return BrokenPromise { "files", "a temporary " + name + " was left behind" };
        const std::string& bytes = folderState_.at(name).bytes;
        if (heldBefore(before, bytes))
            continue;
        if (auto problem = wholeFileProblem(bytes))
            return BrokenPromise { "files", name + ": " + *problem };
    }
    return std::nullopt;
}

} // namespace korvanda::soak
