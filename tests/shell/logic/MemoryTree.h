#pragma once

#include "shell/logic/ProjectTreeControl.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

// A tree control in memory, in which the tests build the project tree and read it back.
class MemoryTree : public ProjectTreeControl
{
public:
    struct Node
    {
        CString text;
        int image = 0;
        int data = 0;
        Node* parent = nullptr;
        std::vector<std::unique_ptr<Node>> children;
        bool expanded = false;
        bool bold = false;
    };

    TreeHandle InsertItem(const CString& text, int image, int data, TreeHandle parent) override
    {
        auto node = std::make_unique<Node>();
        node->text = text;
        node->image = image;
        node->data = data;
        node->parent = NodeOf(parent);
        Node* inserted = node.get();
        ChildrenOf(node->parent).push_back(std::move(node));
        return inserted;
    }
    void DeleteItem(TreeHandle item) override
    {
        Node* node = NodeOf(item);
        if (node == nullptr)
            return;
        if (Contains(node, m_selected))
            m_selected = nullptr;
        auto& siblings = ChildrenOf(node->parent);
        siblings.erase(std::find_if(siblings.begin(), siblings.end(),
                                    [node](const auto& each) { return each.get() == node; }));
    }
    void DeleteAllItems() override
    {
        m_top.clear();
        m_selected = nullptr;
    }
    CString GetItemText(TreeHandle item) const override { return NodeOf(item)->text; }
    void SetItemText(TreeHandle item, const CString& text) override { NodeOf(item)->text = text; }
    int GetItemData(TreeHandle item) const override { return NodeOf(item)->data; }
    int GetItemImage(TreeHandle item) const override { return NodeOf(item)->image; }
    TreeHandle GetParentItem(TreeHandle item) const override
    {
        return item != nullptr ? NodeOf(item)->parent : nullptr;
    }
    TreeHandle GetChildItem(TreeHandle item) const override
    {
        const auto& children = ChildrenOf(NodeOf(item));
        return children.empty() ? nullptr : children.front().get();
    }
    TreeHandle GetNextSiblingItem(TreeHandle item) const override
    {
        const Node* node = NodeOf(item);
        const auto& siblings = ChildrenOf(node->parent);
        for (std::size_t i = 0; i + 1 < siblings.size(); ++i)
        {
            if (siblings[i].get() == node)
                return siblings[i + 1].get();
        }
        return nullptr;
    }
    TreeHandle GetNextVisibleItem(TreeHandle item) const override
    {
        const Node* node = NodeOf(item);
        if (node->expanded && !node->children.empty())
            return node->children.front().get();
        for (; node != nullptr; node = node->parent)
        {
            if (TreeHandle next = GetNextSiblingItem(const_cast<Node*>(node)))
                return next;
        }
        return nullptr;
    }
    void Expand(TreeHandle item, bool expand) override { NodeOf(item)->expanded = expand; }
    bool IsExpanded(TreeHandle item) const override { return NodeOf(item)->expanded; }
    void SetBold(TreeHandle item, bool bold) override { NodeOf(item)->bold = bold; }
    bool IsBold(TreeHandle item) const override { return NodeOf(item)->bold; }
    TreeHandle GetSelectedItem() const override { return m_selected; }
    void SelectItem(TreeHandle item) override { m_selected = NodeOf(item); }
    void Redraw() override {}

    // The items under parent (the top level for null), one a line: indent, text, image and,
    // unless left out, data; with depth 1 only the children themselves.
    std::string Dump(TreeHandle parent, int depth, bool withData = true) const
    {
        std::string text;
        DumpInto(ChildrenOf(NodeOf(parent)), depth, 0, withData, text);
        return text;
    }
    // The child of parent (the top level for null) with the text, or null.
    TreeHandle Child(TreeHandle parent, const char* text) const
    {
        for (const auto& child : ChildrenOf(NodeOf(parent)))
        {
            if (child->text == text)
                return child.get();
        }
        return nullptr;
    }
    std::size_t CountItems() const { return CountIn(m_top); }

private:
    static Node* NodeOf(TreeHandle item) { return static_cast<Node*>(item); }
    std::vector<std::unique_ptr<Node>>& ChildrenOf(Node* node)
    {
        return node != nullptr ? node->children : m_top;
    }
    const std::vector<std::unique_ptr<Node>>& ChildrenOf(const Node* node) const
    {
        return node != nullptr ? node->children : m_top;
    }
    static bool Contains(const Node* node, const Node* item)
    {
        for (; item != nullptr; item = item->parent)
        {
            if (item == node)
                return true;
        }
        return false;
    }
    static void DumpInto(const std::vector<std::unique_ptr<Node>>& nodes, int depth, int indent,
                         bool withData, std::string& text)
    {
        for (const auto& node : nodes)
        {
            text += std::string(static_cast<std::size_t>(indent) * 2, ' ') +
                    node->text.GetString() + " [" + std::to_string(node->image) + "]" +
                    (withData ? " " + std::to_string(node->data) : std::string()) + "\n";
            if (depth > 1)
                DumpInto(node->children, depth - 1, indent + 1, withData, text);
        }
    }
    static std::size_t CountIn(const std::vector<std::unique_ptr<Node>>& nodes)
    {
        std::size_t count = nodes.size();
        for (const auto& node : nodes)
            count += CountIn(node->children);
        return count;
    }

    std::vector<std::unique_ptr<Node>> m_top;
    Node* m_selected = nullptr;
};
