#pragma once

// The shared pairing rule of the kind collectors; included by their sources only.

#include "entities/Menu.h"
#include "merge/MergeEntityNames.h"
#include "merge/MergeNewKinds.h"

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
    std::function<CString(const T&)> name;
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
    for (T* part : pass.xs)
    {
        if (passedOver(part))
            continue;
        const CString name = pass.name(*part);
        T* counterpart = pass.find(name, true);
        const bool made = counterpart == nullptr;
        if (made)
            counterpart = pass.make(*part, true);
        if (made || pass.logEveryPair)
            Log(pass.firstLine, pass.shown ? pass.shown(*part) : name);
        pass.enter(part, counterpart);
    }
    for (T* part : pass.ys)
    {
        if (passedOver(part))
            continue;
        const CString name = pass.name(*part);
        if (pass.find(name, false) != nullptr)
            continue;
        if (!flag && pass.overwrite != nullptr)
            AppendOverwrite(pass.overwrite, part, pass.overwriteOnce);
        T* made = pass.make(*part, false);
        Log(pass.secondLine, pass.shown ? pass.shown(*part) : name);
        pass.enter(part, made);
    }
}
