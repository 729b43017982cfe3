#include "module/kpr/steps/kprC_StepContainer.h"

#include <memory>

#include <algorithm>
#include <set>

#include "module/kpr/kprC_assert.h"
#include "module/kpr/sequencer/kprC_StepSequencer.h"
#include "platform/omu/omu_CmdHistory.h"

namespace {

using StepMap = std::map<cow_String, cow_COW<kprC_Step>>;
constexpr cls_Key stepsKey{-1, "steps"}, stepsOrderKey{-1, "stepsorder"};

kprC_StepSequencer::History HistoryOf(kprC_StepContainer const& container) {
    kprC_StepSequencer::History history;
    for (kprC_StepContainerIT it(container); !it.IsDone(); it.Next())
        if (dynamic_cast<kprC_AnalysisStep const*>(&it.Current()))
            history.emplace_back(it.Name(), it.Current().ProcedureType());
    return history;
}

// Error 45 with what is wrong: "Invalid step container: ...".
[[noreturn]] void InvalidContainer(std::string const& why) {
    try {
        kprC_Assert(false, kprC_INVALID_STEP_CONTAINER);
    } catch (nex_TextException const& e) {
        throw nex_TextException(e.Message() + ": " + why);
    }
    NEX_FAIL("kprC_Assert(false) returned");
}
std::string Quote(cow_String const& name) { return "\"" + std::string(name) + "\""; }
// Keeps a marker command on the thread's command history while it lives.
class MarkerCommand {
public:
    explicit MarkerCommand(char const* text) : history_(thr_ThreadSingleton<omu_CmdHistory>::Instance()) {
        history_.Add(text);
    }
    ~MarkerCommand() { history_.RemoveLast(); }

private:
    omu_CmdHistory& history_;
};

}  // namespace

kprC_StepSequencer::kprC_StepSequencer(kprC_StepContainer const& container, bool usaAddedMassAllowed)
    : kprC_StepSequencer(HistoryOf(container), usaAddedMassAllowed) {}

void kprC_StepContainer::SetInitialStep(cow_String const& name, kprC_InitialStep const& step) {
    kprC_Assert(order_.empty(), kprC_INITIAL_STEP_EXISTS);
    kprC_StepRepositoryBase::Insert(name, step.Copy());  // before the order names it first
    order_.push_back(name);
    Check(false);
}

bool kprC_StepContainer::Insert(cow_String const&, kprC_Step* step) {
    // The pointer form hands the step over; a refused step is not leaked.
    std::unique_ptr<kprC_Step> refused(step);
    NEX_FAIL("Can only insert after into step containers");
}

bool kprC_StepContainer::Insert(cow_String const&, kprC_Step const&) {
    NEX_FAIL("Can only insert after into step containers");
}

namespace {
// The Initial step stands first for the life of the container.
void RefuseInitial(cow_List<cow_String> const& order, cow_String const& name, char const* what) {
    if (!order.empty() && order.front() == name) throw nex_TextException(std::string("The Initial step cannot be ") + what + ".");
}
}  // namespace

bool kprC_StepContainer::InsertAfter(cow_String const& afterName, cow_String const& name,
                                     kprC_AnalysisStep const& step, bool skipCheck) {
    kprC_Assert(std::ranges::find(order_, afterName) != order_.end(), kprC_NO_STEP_BY_THAT_NAME);
    kprC_Assert(order_.empty() || order_.front() != name, kprC_INITIAL_STEP_NOT_REPLACEABLE);
    cow_String after = afterName;
    // Inserting a step after itself replaces it where it stands; removing it first would
    // leave nothing to insert after, and the step would be lost.
    if (after == name) {
        kprC_Assert(order_.front() != name, kprC_INITIAL_STEP_NOT_REPLACEABLE);
        after = *(std::ranges::find(order_, name) - 1);
    }
    if (auto existing = std::ranges::find(order_, name); existing != order_.end()) {
        order_.erase(existing);
        kprC_StepRepositoryBase::Remove(name);
    }
    // Appending and inserting in the middle come to the same: existing steps keep their ids.
    order_.insert(std::ranges::find(order_, after) + 1, name);
    bool inserted = Place(name, cow_COW<kprC_Step>(step.Copy()));
    if (order_.size() != Size()) NEX_FAIL("Step insertion failure.  Map and list sizes differ.");
    if (!skipCheck) Check(false);
    if (inserted) RecordInsert(name);
    return inserted;
}

bool kprC_StepContainer::Remove(cow_String const& name) {
    RefuseInitial(order_, name, "removed");
    if (!kprC_StepRepositoryBase::Remove(name)) return false;
    order_.erase(std::ranges::find(order_, name));
    Check(true);
    return true;
}

void kprC_StepContainer::Clear() {
    order_.clear();
    kprC_StepRepositoryBase::Clear();
}

void kprC_StepContainer::ChangeKey(cow_String const& oldName, cow_String const& newName) {
    if (oldName == newName || !IsMember(oldName)) return;
    RefuseInitial(order_, oldName, "renamed");
    RefuseInitial(order_, newName, "replaced");
    // The step already carrying the new name goes first, so that the order entry dropped
    // is its own, wherever it stands.
    if (IsMember(newName)) Remove(newName);
    *std::ranges::find(order_, oldName) = newName;
    unsigned int id = GetID(oldName);
    Rekey(oldName, newName);

    auto const* analysis = dynamic_cast<kprC_AnalysisStep const*>(&ConstGet(id));
    if (analysis && analysis->amd().contains(oldName)) {
        // Changes made while re-keying belong to no user command.
        MarkerCommand marker("DUMMY");
        auto& amd = static_cast<kprC_AnalysisStep&>(Get(id)).MutableAmd();
        auto domain = amd.at(oldName);
        amd.erase(oldName);
        // A stale entry under the new name gives way: the step's own domain is kept.
        amd.insert_or_assign(newName, std::move(domain));
    }
    thr_ThreadSingleton<omu_ChangeHistory>::Instance().addChange({"Rename", oldName, newName, Position(newName)});
}

cow_List<cow_String> kprC_StepContainer::Keys() const { return order_; }

bool kprC_StepContainer::Nlgeom(cow_String const& name) const {
    if (order_.size() < 2) return false;
    bool value = ConstGet(order_[1]).Explicit();
    if (name == order_.front()) return value;
    for (std::size_t i = 1; i < order_.size(); ++i) {
        switch (ConstGet(order_[i]).Nlgeom()) {
        case kprC_Step::NlgeomEnm::OFF:
            // Once on, a later step cannot turn it off.
            if (i == 1) value = false;
            break;
        case kprC_Step::NlgeomEnm::ON:
            value = true;
            break;
        case kprC_Step::NlgeomEnm::NOT_AVAILABLE:
            break;
        default:
            throw nex_AssertException("\"Unknown nlgeom value\" == 0");
        }
        if (order_[i] == name) break;
    }
    return value;
}

void kprC_StepContainer::AssertValid() const {
    for (std::size_t i = 1; i < order_.size(); ++i) {
        auto const* analysis = AnalysisStep(order_[i]);
        kprC_Assert(analysis != nullptr, kprC_INVALID_STEP);
        analysis->AssertValid();
        analysis->AssertControlsValid();
    }
    Check(false);
}

bool kprC_StepContainer::HasLoadCase(cow_String const& name) const {
    auto const* analysis = AnalysisStep(name);
    return analysis && !analysis->lcc().empty();
}

kprC_StepContainer kprC_StepContainer::Load(cls_ReadVisitor const& reader) {
    auto const steps = reader.Read<StepMap>(stepsKey, {});
    auto const order = reader.Read<cow_List<cow_String>>(stepsOrderKey, {});
    kprC_StepContainer container;
    for (auto const& name : order) {
        auto it = steps.find(name);
        if (it == steps.end() || !it->second) continue;
        kprC_Step const& step = *it->second;
        if (container.order_.empty()) {
            auto const* initial = dynamic_cast<kprC_InitialStep const*>(&step);
            if (!initial) InvalidContainer("its first step " + Quote(name) + " is not an Initial step");
            container.SetInitialStep(name, *initial);
        } else {
            auto const* analysis = dynamic_cast<kprC_AnalysisStep const*>(&step);
            kprC_Assert(analysis != nullptr, kprC_INVALID_STEP);
            container.InsertAfter(container.order_.back(), name, *analysis, true);
        }
    }
    return container;
}

void kprC_StepContainer::Dump(kprC_StepContainer const& container, cls_WriteVisitor const& writer) {
    StepMap steps;
    for (auto const& name : container.order_) steps.emplace(name, container.Handle(name));
    writer.Write(stepsKey, steps);
    writer.Write(stepsOrderKey, container.order_);
}

void kprC_StepContainer::AddFlatFormMetadata(cls_ClassMetadata& md) {
    using MapCodec = cls_Codec<StepMap>;
    using ListCodec = cls_Codec<cow_List<cow_String>>;
    md.AddAttribute(stepsKey, MapCodec::TypeCode, MapCodec::TypeIdArg(), MapCodec::CollectionKind);
    md.AddAttribute(stepsOrderKey, ListCodec::TypeCode, ListCodec::TypeIdArg(), ListCodec::CollectionKind);
}

void kprC_StepContainer::cls_ReadMore(cls_ReadVisitor const&) {
    auto const& names = nameToID();
    auto const& steps = IDToObj();
    std::set<cow_String> seen;
    for (std::size_t i = 0; i < order_.size(); ++i) {
        cow_String const& name = order_[i];
        if (!seen.insert(name).second) InvalidContainer("the order names step " + Quote(name) + " twice");
        auto id = names.find(name);
        if (id == names.end()) InvalidContainer("the order names step " + Quote(name) + ", which it does not hold");
        auto step = steps.find(id->second);
        if (step == steps.end() || !step->second)
            InvalidContainer("step " + Quote(name) + " has the id " + std::to_string(id->second) + ", which holds no step");
        if (id->second > lastID())
            InvalidContainer("step " + Quote(name) + " has the id " + std::to_string(id->second) +
                             ", above the last id handed out (" + std::to_string(lastID()) + ")");
        bool const initial = dynamic_cast<kprC_InitialStep const*>(step->second.operator->()) != nullptr;
        if (i == 0 && !initial) InvalidContainer("its first step " + Quote(name) + " is not an Initial step");
        if (i > 0 && !dynamic_cast<kprC_AnalysisStep const*>(step->second.operator->()))
            InvalidContainer("step " + Quote(name) + (initial ? " is a second Initial step" : " is not an analysis step"));
    }
    for (auto const& [name, id] : names)
        if (!seen.contains(name)) InvalidContainer("it holds step " + Quote(name) + ", which its order leaves out");
    if (steps.size() != names.size())
        InvalidContainer("it holds " + std::to_string(steps.size()) + " steps under " + std::to_string(names.size()) +
                         " names");
}

void kprC_StepContainer::Check(bool removal) const { kprC_StepSequencer(*this, removal).Run(); }

void kprC_StepContainer::RecordInsert(cow_String const& name) const {
    auto const& commands = thr_ThreadSingleton<omu_CmdHistory>::Instance().Commands();
    if (commands.empty() || commands.back().starts_with("session")) return;
    thr_ThreadSingleton<omu_ChangeHistory>::Instance().addChange(commands.back(), {"Insert", name, Position(name)});
}

int kprC_StepContainer::Position(cow_String const& name) const {
    return static_cast<int>(std::ranges::find(order_, name) - order_.begin());
}

kprC_AnalysisStep const* kprC_StepContainer::AnalysisStep(cow_String const& name) const {
    return dynamic_cast<kprC_AnalysisStep const*>(&ConstGet(name));
}

CLS_DEFINE(kprC_StepContainer)
