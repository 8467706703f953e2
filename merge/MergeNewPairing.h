#pragma once

// The shared pairing rule of the kind collectors; included by their sources only.

#include "entities/Menu.h"
#include "merge/MergeEntityNames.h"
#include "merge/MergeNameIndex.h"
#include "merge/MergeNewKinds.h"

#include <cstddef>
#include <optional>

inline bool SameNameNoCase(const CString& a, const CString& b)
{
    return a.CompareNoCase(b) == 0;
}

template <class T> void MergeNewKindCollector::RunPass(const MergeNewPass<T>& pass)
{
    for (T* target : pass.targets)
    {
        if (T* namesake = pass.find(*target, true))
        {
            pass.pair(target, namesake, true);
            continue;
        }
        if (pass.overwrite != nullptr)
            AppendOverwrite(pass.overwrite, target);
        T* made = pass.keepsTargetCounterpart && pass.keepsTargetCounterpart(*target)
                      ? pass.make(*target)
                      : nullptr;
        Log(pass.firstLine, EntityName(*target));
        if (made != nullptr)
            pass.pair(target, made, true);
    }
    for (T* source : pass.sources)
    {
        if (pass.find(*source, false) != nullptr)
            continue;
        T* made = pass.make(*source);
        Log(pass.secondLine, EntityName(*source));
        pass.pair(source, made, false);
    }
}

// The pair step of the kinds with a selection test: (a, b) with the flag set when a is
// selected, else (b, a) with the flag clear when b is; nothing when neither is.
template <class T> struct SelectedPair
{
    T* key;
    T* value;
    bool flag;
};

template <class T, class Selected>
std::optional<SelectedPair<T>> SelectPair(T* a, T* b, const Selected& selected)
{
    if (selected(a))
        return SelectedPair<T>{a, b, true};
    if (b != nullptr && selected(b))
        return SelectedPair<T>{b, a, false};
    return std::nullopt;
}

// The walks of one part pass over the parts of x and y.
template <class T> struct MergeNewPartPass
{
    // Copies: a pass may append to the lists it walks.
    std::vector<T*> xs;
    std::vector<T*> ys;
    // Null when the lists below name the parts.
    std::function<CString(const T&)> name;
    // The parts of xs and of ys by position with their names, taken once; null: name gives
    // each.
    const MergeNameList<T>* xNames = nullptr;
    const MergeNameList<T>* yNames = nullptr;
    // The text the log shows for a part; null: its name.
    std::function<CString(const T&)> shown = nullptr;
    // The part of the name in y (inY) or in x.
    std::function<T*(const CString& name, bool inY)> find;
    std::function<T*(T& part, bool firstWalk)> make;
    std::function<void(T* key, T* value)> enter;
    // Parts that are keys of this map already are passed over in both walks; null: none.
    const MergeNewMap<T>* passOverKeysOf = nullptr;
    const char* firstLine = nullptr;
    const char* secondLine = nullptr;
    // The first walk logs every part it pairs, not only those without namesake.
    bool logEveryPair = false;
    // The list that takes the parts of y that x lacks when the flag is clear; null: none.
    std::vector<T*>& (MergeOverwriteSet::*overwrite)() = nullptr;
    bool overwriteOnce = true;
};

template <class T>
void MergeNewKindCollector::RunPartPass(const MergeNewPartPass<T>& pass, bool flag)
{
    const auto passedOver = [&pass](T* part)
    { return pass.passOverKeysOf != nullptr && pass.passOverKeysOf->contains(part); };
    const auto nameOf = [&pass](const MergeNameList<T>* names, std::size_t index, T* part,
                                CString& named) -> const CString&
    {
        if (names != nullptr)
            return names->NameAt(index);
        named = pass.name(*part);
        return named;
    };
    const auto log = [this, &pass](const char* line, T* part, const CString& name)
    {
        if (pass.shown)
            Log(line, pass.shown(*part));
        else
            Log(line, name);
    };
    for (std::size_t index = 0; index < pass.xs.size(); ++index)
    {
        T* part = pass.xs[index];
        if (passedOver(part))
            continue;
        CString named;
        const CString& name = nameOf(pass.xNames, index, part, named);
        T* counterpart = pass.find(name, true);
        const bool made = counterpart == nullptr;
        if (made)
            counterpart = pass.make(*part, true);
        if (made || pass.logEveryPair)
            log(pass.firstLine, part, name);
        pass.enter(part, counterpart);
    }
    for (std::size_t index = 0; index < pass.ys.size(); ++index)
    {
        T* part = pass.ys[index];
        if (passedOver(part))
            continue;
        CString named;
        const CString& name = nameOf(pass.yNames, index, part, named);
        if (pass.find(name, false) != nullptr)
            continue;
        if (!flag && pass.overwrite != nullptr)
            AppendOverwrite(pass.overwrite, part, pass.overwriteOnce);
        T* made = pass.make(*part, false);
        log(pass.secondLine, part, name);
        pass.enter(part, made);
    }
}
