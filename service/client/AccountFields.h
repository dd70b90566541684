#pragma once

#include "BindingTypes.h"
#include "qtAccountInfo.h"

#include <array>

// The account details travel field for field in both directions; one table keeps the pairs.
namespace AccountFields {

struct Text
{
    QString qtAccountInfo::*local;
    std::string AccountInfo::*service;
};

struct Number
{
    int qtAccountInfo::*local;
    int AccountInfo::*service;
};

inline constexpr std::array<Text, 14> texts{{
    {&qtAccountInfo::faxnumber, &AccountInfo::faxnumber},
    {&qtAccountInfo::faxheader, &AccountInfo::faxheader},
    {&qtAccountInfo::notificationsms, &AccountInfo::notificationsms},
    {&qtAccountInfo::firstname, &AccountInfo::firstname},
    {&qtAccountInfo::lastname, &AccountInfo::lastname},
    {&qtAccountInfo::city, &AccountInfo::city},
    {&qtAccountInfo::address1, &AccountInfo::address1},
    {&qtAccountInfo::postalcode, &AccountInfo::postalcode},
    {&qtAccountInfo::country, &AccountInfo::country},
    {&qtAccountInfo::langcode, &AccountInfo::langcode},
    {&qtAccountInfo::phone, &AccountInfo::phone},
    {&qtAccountInfo::companyname, &AccountInfo::companyname},
    {&qtAccountInfo::vat, &AccountInfo::vat},
    {&qtAccountInfo::enddate, &AccountInfo::enddate},
}};

inline constexpr std::array<Number, 5> numbers{{
    {&qtAccountInfo::notifybysms, &AccountInfo::notifybysms},
    {&qtAccountInfo::notifybyemail, &AccountInfo::notifybyemail},
    {&qtAccountInfo::redirecttoemail, &AccountInfo::redirecttoemail},
    {&qtAccountInfo::attachmentid, &AccountInfo::attachmentid},
    {&qtAccountInfo::prepaidbalance, &AccountInfo::prepaidbalance},
}};

} // namespace AccountFields
