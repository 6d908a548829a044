#include "soak/SoakRunner.h"

#include "app/Shell.h"
#include "bouts/MatchScreen.h"
#include "bouts/MeetLists.h"
#include "bouts/ResultEntry.h"
#include "folders/RecentMeetList.h"
#include "meet/QtText.h"
#include "meet/RestoreFile.h"
#include "meetcheck/MatBoardScreen.h"
#include "widgets/WorkingWindow.h"

#include <QtTest>
#include <QtWidgets>

#include <algorithm>
#include <ctime>
#include <fstream>
#include <iostream>
#include <sstream>

namespace korvanda::soak {

namespace {

// A director's limit: no click may keep him waiting longer on a small meet.
constexpr double slowActionSeconds = 2.0;
// The longest the windows may stand still while a phone's result comes in
// (see sendFromPhone).
constexpr long long phoneStallMilliseconds = 1000;

QString qtPath(const std::filesystem::path& path)
{
    return QString::fromStdU16String(path.u16string());
}

// The windows on screen, in a fixed order so one seed always picks alike.
QList<QWidget*> shownWindows()
{
    QList<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !qobject_cast<QMenu*>(w) && w->windowType() != Qt::Popup
            && w->windowType() != Qt::ToolTip)
            shown.append(w);
    std::sort(shown.begin(), shown.end(), [](QWidget* a, QWidget* b) {
        return std::make_pair(a->objectName(), a->windowTitle()) < std::make_pair(b->objectName(), b->windowTitle());
    });
    return shown;
}

QList<QWidget*> childWidgets(QWidget* parent)
{
    QList<QWidget*> out;
    for (QObject* o : parent->children())
        if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow())
            out.append(w);
    return out;
}

// A control's name on the path: its object name, or its class and its
// place among the unnamed siblings of that class.
QString segment(QWidget* w, const QList<QWidget*>& siblings)
{
    if (!w->objectName().isEmpty())
        return w->objectName();
    const char* kind = w->metaObject()->className();
    const auto index = std::count_if(siblings.begin(), std::find(siblings.begin(), siblings.end(), w),
        [&](QWidget* s) { return s->objectName().isEmpty() && std::strcmp(s->metaObject()->className(), kind) == 0; });
    return QStringLiteral("%1#%2").arg(QString::fromLatin1(kind)).arg(index);
}

std::string widgetPath(QWidget* w)
{
    QStringList parts;
    for (; !w->isWindow(); w = w->parentWidget())
        parts.prepend(segment(w, childWidgets(w->parentWidget())));
    parts.prepend(segment(w, shownWindows()));
    return parts.join(QLatin1Char('/')).toStdString();
}

QWidget* findWidget(const std::string& path)
{
    QList<QWidget*> level = shownWindows();
    QWidget* found = nullptr;
    for (const QString& part : QString::fromUtf8(path.c_str()).split(QLatin1Char('/'))) {
        const auto at = std::find_if(level.begin(), level.end(), [&](QWidget* w) { return segment(w, level) == part; });
        if (at == level.end())
            return nullptr;
        found = *at;
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
    if (qobject_cast<QLineEdit*>(w))
        return !w->property("readOnly").toBool() && !ownedBox(w);
    return (qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w))
        && !w->property("readOnly").toBool();
}

// Every entry of a window's menu bar, by its texts. A menu is filled as it
// opens (the recent meets), so the soak opens it.
void collectMenu(QWidget* window, const QList<QAction*>& actions, const QStringList& path,
    std::vector<std::pair<QWidget*, QStringList>>& out)
{
    for (QAction* action : actions) {
        if (action->isSeparator() || !action->isVisible() || !action->isEnabled())
            continue;
        const QStringList here = path + QStringList { action->text() };
        if (QMenu* menu = action->menu()) {
            emit menu->aboutToShow();
            collectMenu(window, menu->actions(), here, out);
        } else {
            out.emplace_back(window, here);
        }
    }
}

QAction* findMenuAction(QWidget* window, const std::vector<std::string>& texts)
{
    auto* bar = window->findChild<QMenuBar*>();
    QList<QAction*> level = bar ? bar->actions() : QList<QAction*> {};
    QAction* found = nullptr;
    for (const auto& text : texts) {
        const auto at = std::find_if(level.begin(), level.end(),
            [&](QAction* action) { return action->text() == QString::fromUtf8(text.c_str()); });
        if (at == level.end())
            return nullptr;
        found = *at;
        if (found->menu())
            emit found->menu()->aboutToShow();
        level = found->menu() ? found->menu()->actions() : QList<QAction*> {};
    }
    return found;
}

QWidget* windowWithMenus()
{
    for (QWidget* shown : shownWindows())
        if (shown->findChild<QMenuBar*>())
            return shown;
    return nullptr;
}

const std::vector<std::string> viewKeys
    = { "Up", "Down", "PgUp", "PgDown", "Home", "End", "Return", "Space", "Left", "Right", "Tab" };
const std::vector<std::string> boxKeys
    = { "Return", "Tab", "Shift+Tab", "Escape", "Backspace", "Del", "Home", "End", "Up", "Down", "Ctrl+Z" };
const std::vector<std::string> windowKeys
    = { "Tab", "Shift+Tab", "Escape", "Return", "Space", "Alt+F", "Alt+W", "Alt+A", "Alt+L", "Alt+S", "Alt+R", "Alt+M",
          "Alt+C", "Alt+D", "Ctrl+N", "Ctrl+O", "Ctrl+P", "Ctrl+S", "F1", "F11", "Ctrl+5" };

void doAction(const SoakAction& action)
{
    const auto& args = action.args;
    QWidget* target = args.empty() ? nullptr : findWidget(args[0]);
    if (!target || !usable(target))
        return;
    if (QApplication::activeWindow() != target->window()) {
        target->window()->activateWindow();
        QApplication::processEvents();
    }
    const QString text = args.size() == 2 ? QString::fromUtf8(args[1].c_str()) : QString();
    if (action.verb == "click") {
        // A check box or an option button stretched by its layout answers to
        // its mark and caption only.
        if (auto* button = qobject_cast<QAbstractButton*>(target))
            QTest::mouseClick(button, Qt::LeftButton, {},
                qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)
                    ? QPoint(std::min(8, button->width() / 2), button->height() / 2)
                    : button->rect().center());
    } else if ((action.verb == "row" || action.verb == "double") && args.size() == 3) {
        auto* view = qobject_cast<QAbstractItemView*>(target);
        const QModelIndex index
            = view && view->model() ? view->model()->index(std::stoi(args[1]), std::stoi(args[2])) : QModelIndex();
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
        const QKeySequence sequence = QKeySequence::fromString(text);
        if (sequence.isEmpty())
            return;
        // A key for a window goes to its control that has the focus.
        QWidget* focused = QApplication::focusWidget();
        if (!target->isWindow())
            target->setFocus(Qt::TabFocusReason);
        QWidget* receiver = target->isWindow() && focused && focused->window() == target ? focused : target;
        QTest::keyClick(receiver, sequence[0].key(), sequence[0].keyboardModifiers());
    } else if ((action.verb == "type" || action.verb == "paste") && args.size() == 2) {
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
        if (!usable(target))
            return;
        auto* line = qobject_cast<QLineEdit*>(target);
        if (action.verb == "paste" && line) {
            line->selectAll();
            line->insert(text);
            return;
        }
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        // Letters beyond ASCII have no key of their own; they come as the
        // text of a key press, as from a keyboard of another language.
        for (const QChar ch : text) {
            if (ch.unicode() > 0x20 && ch.unicode() < 0x7f)
                QTest::keyClick(target, static_cast<char>(ch.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    } else if (action.verb == "menu") {
        if (QAction* entry = findMenuAction(target, { args.begin() + 1, args.end() });
            entry && entry->isEnabled() && entry->isVisible())
            entry->trigger();
    } else if (action.verb == "close") {
        target->close();
    }
}

// The current row and the selection of every table lie among its rows.
std::optional<BrokenPromise> viewRowsProblem()
{
    for (QWidget* top : QApplication::topLevelWidgets())
        for (auto* view : top->findChildren<QAbstractItemView*>()) {
            const int rows = view->model() ? view->model()->rowCount() : 0;
            QModelIndexList indexes
                = view->selectionModel() ? view->selectionModel()->selectedIndexes() : QModelIndexList();
            indexes.prepend(view->currentIndex());
            for (const QModelIndex& index : indexes)
                if (view->model() && index.isValid() && index.row() >= rows)
                    return BrokenPromise { "rows",
                        widgetPath(view) + (index == indexes.front() ? " current row " : " selects row ")
                            + std::to_string(index.row()) + " of " + std::to_string(rows) };
        }
    return std::nullopt;
}

} // namespace

SoakRunner::SoakRunner(std::filesystem::path folder, std::uint64_t meetSeed)
    : root_(std::move(folder))
    , folder_(root_ / "Meet A")
    , scorerDice_(meetSeed ^ 0x5c0e5c0e5c0e5c0eULL)
{
    QApplication::setQuitOnLastWindowClosed(false);
    // The recent meets and the places of the windows are kept as the
    // program keeps them, in the soak's own settings, not the user's.
    qputenv("XDG_CONFIG_HOME", qtPath(root_ / "config").toLocal8Bit());
    QApplication::setOrganizationName(QStringLiteral("Korvanda"));
    QApplication::setApplicationName(QStringLiteral("Korvanda"));
    for (const char* name : { "Meet A", "Meet B", "Demo" }) {
        std::filesystem::create_directories(root_ / name);
        writeScratchMeet(root_ / name, meetSeed++);
    }
    std::ofstream(root_ / "A File.Txt") << "not a folder\r\n";
    // A real dialog that waits for an answer would stop the soak: answer
    // or close it as soon as it is up.
    modalGuard_.setInterval(20);
    QObject::connect(&modalGuard_, &QTimer::timeout, [this] { closeModalWindows(); });
    modalGuard_.start();
    startProgram();
    folderState_ = readFolder(folder_);
}

void SoakRunner::startProgram()
{
    // The director's choice of a folder: mostly the meets there are, now and
    // then one that is missing, a file, or one nobody may write to.
    const auto chooseFolder = [this](QWidget*, const QString&, const QString&) {
        const std::filesystem::path folders[] = { {}, root_ / "Meet A", root_ / "Meet B", root_ / "Meet A",
            root_ / "Meet B", root_ / ("New " + std::to_string(choices_() % 3)), root_ / "Gone" / "Meet",
            root_ / "A File.Txt", "/proc/Meet", "/proc" };
        return qtPath(folders[choices_() % std::size(folders)]);
    };
    folders_ = std::make_unique<MeetFolders>(
        dialogs_, chooseFolder, MeetLocations { qtPath(root_), qtPath(root_), qtPath(root_ / "Demo") });
    folders_->open(qtPath(folder_));
    for (WindowKind kind : { WindowKind::Team, WindowKind::Roster, WindowKind::Bout, WindowKind::Mat }) {
        shell().showWindow(kind);
        // As at the first start: a later start may find junk the director
        // left in a box and the close step saved.
        for (auto* box : shell().window(kind).findChildren<QLineEdit*>())
            startTexts_.emplace(QString::fromStdString(widgetPath(box)), box->text());
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
    const std::filesystem::path opened(folders_->folder().toStdU16String());
    boutsRelaxed_ = false;
    // Another meet's restore file may come from a time its names were changed.
    if (opened != folder_)
        restoreFileRelaxed_ = true;
    folder_ = opened;
    plan_.clear();
    scorer_.forget();
}

void SoakRunner::stopProgram()
{
    folders_.reset();
    shownShell_ = nullptr;
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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

std::string SoakRunner::pickText(std::mt19937_64& rng, QWidget* box, bool forPaste)
{
    static const std::vector<std::string> numbers = { "1", "2", "3", "4", "5", "6", "7", "8", "10", "12", "15", "20",
        "2.5", "9.5", "10.25", "45", "72", "85.5", "100" };
    // Numbers at the edges: a weight of 0 blocks the matching until mended.
    static const std::vector<std::string> edges = { "0", "-1", "150", "0.5", "1,5", "1e2", "-0", "32768" };
    static const std::vector<std::string> junk = { "", " ", "abc", "\"quoted\"", "it's", "Zo\xc3\xab", "\u20ac5",
        "\xe6\x97\xa5\xe6\x9c\xac", "   12  ", "0x10", "NaN", "inf", "99999999999999999999", "-0", ".5", "5.", "1.2.3",
        "\xc2\xa0", "a,b", "=1+1", "%s%n", "Bout 3", std::string(300, 'W') };
    static const std::vector<std::string> pasted = { "tab\there", "two\nlines", "cr\rlf\r\n", "\t", "quote\"d\ttab" };
    // A box for a number (an age, a limit, a bout number, points) mostly
    // gets one, as a director mostly types what the box asks for.
    static const QRegularExpression numberNames(
        QStringLiteral("Age|Weight|Wgt|Skill|Diff|Bouts|Mats|Points|Number|Spin"));
    bool wantsNumber = numberNames.match(box->objectName()).hasMatch() || qobject_cast<QAbstractSpinBox*>(box);
    if (auto* line = qobject_cast<QLineEdit*>(box); line && !wantsNumber)
        line->text().toDouble(&wantsNumber);
    const std::size_t kind = below(rng, 100);
    if (kind < (wantsNumber ? 75 : 30))
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
    return forPaste && kind < 80 ? anyOf(rng, pasted) : anyOf(rng, junk);
}

// ---- the flow of a meet ---------------------------------------------------
// Random clicks alone seldom get a meet to its bouts: a delete here, junk in
// a limit box there. So most of the time the soak follows a director's plan
// (load, match, enter results, schedule, write the files) one step per
// action, with random actions and folder sabotage in between.

void SoakRunner::plan(std::string verb, std::vector<std::string> args)
{
    plan_.push_back({ 0, std::move(verb), std::move(args) });
}

// A planned step names its control, or its menu entry; an entry that opens
// a list (the recent meets) takes any one of it.
std::optional<SoakAction> SoakRunner::planned(const SoakAction& step, std::mt19937_64& rng)
{
    if (step.verb == "menu") {
        QWidget* window = windowWithMenus();
        if (!window)
            return std::nullopt;
        SoakAction action { 0, "menu", { widgetPath(window) } };
        action.args.insert(action.args.end(), step.args.begin(), step.args.end());
        if (QAction* last = findMenuAction(window, step.args); last && last->menu()) {
            const QList<QAction*> entries = last->menu()->actions();
            if (entries.isEmpty())
                return std::nullopt;
            action.args.push_back(entries[static_cast<int>(below(rng, entries.size()))]->text().toStdString());
        }
        return action;
    }
    // Each window of the meet, and the entry of the Window menu that shows it.
    const std::pair<QWidget*, const char*> windows[]
        = { { &shell().window(WindowKind::Team), "&Team" }, { &shell().window(WindowKind::Roster), "&Roster" },
              { &shell().window(WindowKind::Bout), "&Bout" }, { &shell().window(WindowKind::Mat), "&Mat" },
              { &shell().window(WindowKind::Check), "Meet &Check" }, { &shell().boardScreen(), "Mat B&oard" } };
    const QString name = QString::fromStdString(step.args[0]);
    for (const auto& [window, entry] : windows) {
        QWidget* w = window->objectName() == name ? window : window->findChild<QWidget*>(name);
        if (!w)
            continue;
        if (!w->window()->isVisible()) {
            stepAgain_ = true;
            return w->window() == window ? planned({ 0, "menu", { "&Window", entry } }, rng) : std::nullopt;
        }
        if (!usable(w))
            return std::nullopt;
        SoakAction action = step;
        action.args[0] = widgetPath(w);
        // A click, or a double-click, on any data row of a table.
        if (step.verb == "row" || step.verb == "double") {
            auto* view = qobject_cast<QAbstractItemView*>(w);
            const int rows = view && view->model() ? view->model()->rowCount() : 0;
            const std::size_t row = rows > 1 ? 1 + below(rng, static_cast<std::size_t>(rows - 1)) : 0;
            action.args = { action.args[0], std::to_string(row), "0" };
        }
        return action;
    }
    return std::nullopt;
}

// A result a director would type: a winner, a kind of win and points
// that fit it, for any bout of the list.
void SoakRunner::planResult(std::mt19937_64& rng)
{
    const int bouts = meet().boutGrid.rowCount() - 1;
    if (bouts < 1 || meet().boutGrid.cell(1, BoutColumn::Bout).empty())
        return;
    plan("type", { "BoutNumberBox", std::to_string(1 + below(rng, static_cast<std::size_t>(bouts))) });
    plan("key", { "BoutNumberBox", "Return" });
    const auto [winner, type, points] = pickResult(rng);
    if (type != ResultType::Draw && type != ResultType::Scratch)
        plan("click", { "WinnerOption" + std::to_string(winner) });
    plan("click", { "WinByOption" + std::to_string(type) });
    for (int k = 0; k < 2; ++k) {
        const std::string box = "ResultsPointsBox" + std::to_string(k + 1);
        plan("type", { box, points[k] });
        if (points[k].empty())
            plan("key", { box, "Del" });
    }
    plan("click", { "AcceptButton" });
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
    // Each plan by the roll that picks it, one of several where there are
    // more: steps apart by ";", each a verb and a control's name or menu
    // entry as in an action line; "a|b" is either word.
    static const std::pair<std::size_t, std::vector<const char*>> plans[] = {
        { 8, { "click LoadRostersButton" } },
        { 20, { "mend AutoMatchFrame; click AutoGoButton" } },
        { 25, { "row Roster; row HandMatchGrid; click HandMatchAddButton" } },
        { 60, { "result" } },
        { 63, { "click RemoveLastButton|HandMatchRemoveLastButton" } },
        { 70, { "mend NumMatsBox; click ScheduleButton|ScheduleByWeightButton" } },
        { 76, { "click WriteFilesButton" } },
        { 80, { "click SaveButton" } },
        { 84, { "click RestoreButton" } },
        { 86, { "click HistoryButton; row HistoryList; click BringBackButton" } },
        { 91,
            { "click RefreshButton; click WriteReportButton", "click RefreshButton; double ShortGrid",
                "click RefreshButton; row ShortGrid; click ToHandMatchButton",
                "click RefreshButton; type MinimumRestBox|MinutesPerBoutBox|StartTimeBox 0|1|3|12|99|8:30|23:59|x" } },
        { 93, { "click PrintButton|ExportPdfButton" } },
        { 95, { "menu &Window Mat%20B&oard; key MatBoardScreen F11; key MatBoardScreen Escape|F11" } },
        { 100, { "menu &File &New%20Meet...|&Open%20Meet...|Open%20&Recent" } },
    };
    const auto& steps = std::find_if(std::begin(plans), std::end(plans), [roll](const auto& plan) {
        return roll < plan.first;
    })->second;
    std::istringstream chosen(steps.size() > 1 ? anyOf(rng, steps) : steps[0]);
    for (std::string step; std::getline(chosen, step, ';');) {
        SoakAction action = *SoakAction::parse("0 " + step);
        for (auto& arg : action.args)
            if (const QStringList either = QString::fromStdString(arg).split(QLatin1Char('|')); either.size() > 1)
                arg = anyOf(rng, either).toStdString();
        if (action.verb == "result") {
            planResult(rng);
        } else if (action.verb == "mend") {
            // Junk left in a limit box or the mats box would refuse the
            // matching or the schedule: each gets back what it held at the start.
            for (const auto& [path, text] : startTexts_)
                if (path.contains(QString::fromStdString(action.args.at(0))) && !text.isEmpty())
                    plan("type", { path.section(QLatin1Char('/'), -1).toStdString(), text.toStdString() });
        } else {
            plan_.push_back(action);
        }
    }
}

SoakAction SoakRunner::pick(std::mt19937_64& rng)
{
    // Between the director's actions a mat's scorer sends a result from his
    // phone, by dice of his own, so the director's picks stay as they were.
    if (below(scorerDice_, 100) < 4)
        return { scorerDice_(), "phone", {} };
    // Now and then the director strays from the plan.
    if (plan_.empty() && below(rng, 100) < 45)
        planFlow(rng);
    while (!plan_.empty() && below(rng, 5) != 0) {
        const SoakAction step = std::move(plan_.front());
        plan_.pop_front();
        stepAgain_ = false;
        auto action = planned(step, rng);
        // A step that first shows its window comes again, but once only.
        if (stepAgain_ && !stepRepeated_)
            plan_.push_front(step);
        stepRepeated_ = stepAgain_ && !stepRepeated_;
        if (action) {
            action->answers = rng();
            return *action;
        }
    }
    const std::uint64_t answers = rng();
    SoakAction action = pickAnything(rng);
    action.answers = answers;
    return action;
}

// Any control of any window shown, any menu entry, a key, or sabotage.
SoakAction SoakRunner::pickAnything(std::mt19937_64& rng)
{
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
        if (auto* bar = window->findChild<QMenuBar*>())
            collectMenu(window, bar->actions(), {}, menus);
    }
    const auto anyWindow = [&] { return widgetPath(windows[static_cast<int>(below(rng, windows.size()))]); };
    for (int attempt = 0; attempt < 20; ++attempt) {
        const std::size_t roll = below(rng, 1000);
        if (roll < 40)
            return pickSabotage(folderState_, rng);
        if (roll < 360 && !buttons.empty()) {
            // The meet's commands are push buttons; options and arrows are many more.
            QAbstractButton* button = anyOf(rng, buttons);
            if (!qobject_cast<QPushButton*>(button) && below(rng, 3) != 0)
                button = anyOf(rng, buttons);
            // Deleting teams and wrestlers is rare at a meet, and each one shrinks it for good.
            if (button->objectName().contains(QLatin1String("Delete")) && below(rng, 4) != 0)
                continue;
            return { 0, "click", { widgetPath(button) } };
        }
        if (roll < 560 && !views.empty()) {
            auto* view = static_cast<QAbstractItemView*>(anyOf(rng, views));
            const auto rows = static_cast<std::size_t>(view->model() ? view->model()->rowCount() : 0);
            const auto columns = static_cast<std::size_t>(view->model() ? view->model()->columnCount() : 0);
            if (roll >= 530 || rows == 0 || columns == 0)
                return { 0, "key", { widgetPath(view), anyOf(rng, viewKeys) } };
            return { 0, roll < 490 ? "row" : "double",
                { widgetPath(view), std::to_string(below(rng, rows)), std::to_string(below(rng, columns)) } };
        }
        if (roll < 780 && !edits.empty()) {
            QWidget* box = anyOf(rng, edits);
            const bool paste = roll >= 740 && qobject_cast<QLineEdit*>(box);
            // A box put back to what it held at the start mends a bad limit pair.
            const auto start = startTexts_.find(QString::fromStdString(widgetPath(box)));
            const bool mend = start != startTexts_.end() && !start->second.isEmpty() && below(rng, 2) == 0;
            return { 0, paste ? "paste" : "type",
                { widgetPath(box), mend ? start->second.toStdString() : pickText(rng, box, paste) } };
        }
        if (roll < 850 && !focusables.empty()) {
            QWidget* w = anyOf(rng, focusables);
            return { 0, "key", { widgetPath(w), anyOf(rng, editable(w) ? boxKeys : viewKeys) } };
        }
        if (roll < 870 && !windows.isEmpty())
            return { 0, "key", { anyWindow(), anyOf(rng, windowKeys) } };
        if (roll < 998 && !menus.empty()) {
            const auto& [window, entry] = menus[below(rng, menus.size())];
            // Ending the program is rare in a meet; most picks of it are taken back.
            const bool ends
                = entry.last().contains(QLatin1String("xit")) || entry.last().contains(QLatin1String("Quit"));
            if (ends && below(rng, 30) != 0)
                continue;
            // So is leaving for another meet, which starts the promises afresh;
            // yet the soak switches often enough to see each switch keep its own.
            if (entry.first() == QLatin1String("&File") && below(rng, 2) != 0)
                continue;
            SoakAction action { 0, "menu", { widgetPath(window) } };
            for (const auto& text : entry)
                action.args.push_back(text.toStdString());
            return action;
        }
        if (roll >= 998 && !windows.isEmpty())
            return { 0, "close", { anyWindow() } };
    }
    return { 0, "sabotage", { "mend" } };
}

std::optional<BrokenPromise> SoakRunner::perform(const SoakAction& action)
{
    dialogs_.startAction(action.answers);
    // The list and the PDF file the print dialogs answer.
    choices_.seed(action.answers ^ 0x9e3779b97f4a7c15ULL);
    const std::size_t list = choices_() % (allMeetLists.size() + 1);
    printChoices_.list = list == allMeetLists.size() ? std::nullopt : std::optional(allMeetLists[list]);
    const std::filesystem::path files[]
        = { {}, root_ / "Prints" / "List.pdf", root_ / "Prints", root_ / "Gone" / "List.pdf", "/proc/List.pdf" };
    std::error_code error;
    std::filesystem::create_directories(root_ / "Prints", error);
    printChoices_.file = qtPath(files[choices_() % std::size(files)]);
    modalTexts_.clear();
    before_ = meet();
    const std::clock_t started = std::clock();
    std::optional<BrokenPromise> phone;
    if (action.verb == "sabotage")
        sabotage(folder_, action);
    else if (action.verb == "phone")
        phone = sendFromPhone(action);
    else
        doAction(action);
    closeModalWindows();
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Closing the last window ends the program; the director starts it again.
    if (shownWindows().isEmpty()) {
        stopProgram();
        startProgram();
    }
    const bool switched = &shell() != shownShell_;
    if (switched) {
        meetOpened();
        ++stats_.meetSwitches;
    }
    const double spent = static_cast<double>(std::clock() - started) / CLOCKS_PER_SEC;
    if (spent > slowActionSeconds)
        return BrokenPromise { "slow", "the action took " + std::to_string(spent) + " s" };
    if (phone)
        return phone;
    return checkPromises(action, switched);
}

std::optional<BrokenPromise> SoakRunner::sendFromPhone(const SoakAction& action)
{
    const int storedBefore = scorer_.stored();
    if (auto problem = scorer_.send(shell(), meet(), before_, folder_, action.answers))
        return BrokenPromise { "phone results", *problem };
    stats_.phoneResults += scorer_.stored() - storedBefore;
    stats_.longestPhoneStall = std::max(stats_.longestPhoneStall, scorer_.longestStall());
    // A result is stored on the window thread between two turns of its
    // event loop; a request the window thread waited on would hold it until
    // the server or the phone gave up (5 s and more). A healthy turn takes
    // tens of milliseconds even under the sanitizers on a busy machine.
    if (scorer_.longestStall() > phoneStallMilliseconds)
        return BrokenPromise { "stall",
            "the windows stood still " + std::to_string(scorer_.longestStall()) + " ms while a phone's result came" };
    return std::nullopt;
}

std::optional<BrokenPromise> SoakRunner::checkPromises(const SoakAction& action, bool switched)
{
    std::vector<std::string> messages = modalTexts_;
    for (const auto& shown : dialogs_.shown)
        messages.push_back(shown.text);
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
    if (auto broken = viewRowsProblem())
        return broken;
    if (auto broken = meetWindowsProblem())
        return broken;
    const FolderState before = std::move(folderState_);
    folderState_ = readFolder(folder_);
    const auto boutNumbers = [&]() -> std::optional<BrokenPromise> {
        if (auto problem = boutNumberProblem(meet()))
            return BrokenPromise { "bout numbers", *problem };
        return std::nullopt;
    };
    // The promises hold for the meet that is open now, from now on.
    if (switched)
        return boutNumbers();
    const bool sabotaged = action.verb == "sabotage";
    if (auto problem = sabotaged ? std::nullopt : writtenFilesProblem(before, folderState_))
        return BrokenPromise { "files", *problem };
    const auto restore = folderState_.find(restoreFileName);
    const bool restoreThere = restore != folderState_.end() && !restore->second.directory;
    const auto old = before.find(restoreFileName);
    const bool restoreWritten
        = !sabotaged && restoreThere && (old == before.end() || !(old->second == restore->second));
    if (auto problem = restoreWritten ? restoreFileProblem(meet(), restore->second.bytes) : std::nullopt)
        return BrokenPromise { "restore file", *problem };
    if (auto broken = boutNumbers())
        return broken;
    const bool changed = !(
        meet().teamList == before_.teamList && meet().roster == before_.roster && meet().boutGrid == before_.boutGrid);
    // The tables changed into what the restore file holds: it was read back.
    const bool restored
        = changed && !restoreWritten && restoreThere && !restoreFileProblem(meet(), restore->second.bytes);
    followFlow(action, changed, restored, restoreWritten);
    if (auto problem = boutsRelaxed_ ? std::nullopt : boutsCellProblem(meet()))
        return BrokenPromise { "bouts cells", *problem };
    return std::nullopt;
}

// One working window shows, and every working window there is belongs to
// the meet that is open; each is titled after the meet's folder, which
// heads the recent meets.
std::optional<BrokenPromise> SoakRunner::meetWindowsProblem()
{
    const WindowKind kinds[]
        = { WindowKind::Team, WindowKind::Roster, WindowKind::Bout, WindowKind::Mat, WindowKind::Check, WindowKind::Network };
    const QString folder = folders_->folder();
    int shown = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* working = qobject_cast<WorkingWindow*>(w);
        if (!working)
            continue;
        if (std::none_of(std::begin(kinds), std::end(kinds), [&](WindowKind k) { return &shell().window(k) == w; }))
            return BrokenPromise { "windows", "\"" + w->windowTitle().toStdString() + "\" of another meet is left" };
        if (!w->windowTitle().endsWith(" - " + QDir(folder).dirName()))
            return BrokenPromise { "titles", "\"" + w->windowTitle().toStdString() + "\" in " + folder.toStdString() };
        shown += w->isVisible();
    }
    if (shown != 1)
        return BrokenPromise { "windows", std::to_string(shown) + " working windows shown" };
    if (const QString first = loadRecentMeets().value(0); first != folder)
        return BrokenPromise { "recent meets",
            "the list starts with \"" + first.toStdString() + "\", not " + folder.toStdString() };
    return std::nullopt;
}

// Keeps up with what the action did to the meet: whether Bouts cells may
// lag behind the bout list now, and how far the meet's flow got.
void SoakRunner::followFlow(const SoakAction& action, bool changed, bool restored, bool restoreWritten)
{
    const std::string target = action.args.empty() ? std::string() : action.args[0];
    const bool clicked = action.verb == "click";
    // A full matching writes every Bouts cell afresh. It ran when "Match"
    // changed the tables and nothing was refused or answered No.
    if (clicked && target.ends_with("/AutoGoButton") && changed
        && std::all_of(dialogs_.shown.begin(), dialogs_.shown.end(),
            [](const SoakDialogs::Shown& shown) { return shown.question && shown.answer; }))
        boutsRelaxed_ = false;
    if (restored)
        boutsRelaxed_ = restoreFileRelaxed_;
    // A state brought back from the history may come from a time its names were changed.
    if (changed && target.starts_with("HistoryScreen"))
        boutsRelaxed_ = true;
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

    const bool quiet = clicked && dialogs_.shown.empty() && modalTexts_.empty()
        && !meet().boutGrid.cell(1, BoutColumn::Bout).empty();
    if (target.find("BoutResultsFrame") != std::string::npos && changed
        && meet().boutGrid.rowCount() == before_.boutGrid.rowCount())
        ++stats_.resultsAccepted;
    if (quiet && (target.ends_with("/ScheduleButton") || target.ends_with("/ScheduleByWeightButton")))
        ++stats_.schedules;
}

} // namespace korvanda::soak
