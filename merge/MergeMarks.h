#pragma once

// The merge mark rule: a pair whose two sides are both marked is resolved already.

template <class T> bool BothMarked(const T* source, const T* target)
{
    return source->GetMergeMark() != 0 && target->GetMergeMark() != 0;
}

template <class T> void MarkBoth(T* source, T* target)
{
    source->SetMergeMark(1);
    target->SetMergeMark(1);
}
