#pragma once

#include "platform/core/CString.h"

#include <array>
#include <vector>

// One character and the entity text that stands for it in XML.
struct XmlEntity
{
    // The text is cut to maxLength bytes.
    XmlEntity(char character, const char* text);

    static constexpr int maxLength = 11;

    char character;
    char text[maxLength + 1];
    int length;
};

// Characters and their entity texts, looked up in table order.
class XmlEntityTable
{
public:
    explicit XmlEntityTable(std::vector<XmlEntity> entities);

    // Every entity text of the table replaced by its character; "" for a null text.
    CString Decode(const char* text) const;
    CString Decode(const char* begin, const char* end) const;
    // Every character of the table replaced by its entity text; "" for a null text.
    CString Encode(const char* text) const;

    const std::vector<XmlEntity>& GetEntities() const { return m_entities; }

private:
    std::vector<XmlEntity> m_entities;
    // Whether an entity text starts with the byte, and whether the byte has an entity text.
    std::array<bool, 256> m_startsEntity{};
    std::array<bool, 256> m_hasEntity{};
};

// The five entities of XML 1.0: &amp; &quot; &apos; &lt; &gt;.
const XmlEntityTable& StandardXmlEntityTable();
