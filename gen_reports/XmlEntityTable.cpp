#include "gen_reports/XmlEntityTable.h"

#include <cstring>
#include <string>

namespace
{
unsigned char Byte(char ch)
{
    return static_cast<unsigned char>(ch);
}
} // namespace

XmlEntity::XmlEntity(char character, const char* text) : character(character), text{}
{
    length = static_cast<int>(strnlen(text, maxLength));
    std::memcpy(this->text, text, length);
}

XmlEntityTable::XmlEntityTable(std::vector<XmlEntity> entities) : m_entities(std::move(entities))
{
    for (const XmlEntity& entity : m_entities)
    {
        if (entity.length > 0)
            m_startsEntity[Byte(entity.text[0])] = true;
        m_hasEntity[Byte(entity.character)] = true;
    }
}

CString XmlEntityTable::Decode(const char* text) const
{
    if (text == nullptr)
        return CString();
    return Decode(text, text + std::strlen(text));
}

CString XmlEntityTable::Decode(const char* begin, const char* end) const
{
    std::string out;
    out.reserve(end - begin);
    for (const char* p = begin; p < end;)
    {
        const XmlEntity* found = nullptr;
        if (m_startsEntity[Byte(*p)])
        {
            for (const XmlEntity& entity : m_entities)
            {
                if (entity.length > 0 && end - p >= entity.length &&
                    std::memcmp(p, entity.text, entity.length) == 0)
                {
                    found = &entity;
                    break;
                }
            }
        }
        if (found != nullptr)
        {
            out += found->character;
            p += found->length;
        }
        else
            out += *p++;
    }
    return CString(out);
}

CString XmlEntityTable::Encode(const char* text) const
{
    if (text == nullptr)
        return CString();
    std::string out;
    for (const char* p = text; *p != '\0'; ++p)
    {
        const XmlEntity* found = nullptr;
        if (m_hasEntity[Byte(*p)])
        {
            for (const XmlEntity& entity : m_entities)
            {
                if (entity.character == *p)
                {
                    found = &entity;
                    break;
                }
            }
        }
        if (found != nullptr)
            out.append(found->text, found->length);
        else
            out += *p;
    }
    return CString(out);
}

const XmlEntityTable& StandardXmlEntityTable()
{
    static const XmlEntityTable table(
        {{'&', "&amp;"}, {'"', "&quot;"}, {'\'', "&apos;"}, {'<', "&lt;"}, {'>', "&gt;"}});
    return table;
}
