#pragma once

// Delivery states and refusal codes that the service answers with.
namespace ServiceCode {
constexpr int Delivered = 1;
constexpr int InQueue = 2;
constexpr int NoAttachment = 102;
constexpr int TooManyNumbers = 103;
constexpr int NoRecipients = 108;
constexpr int GeneralFailure = 110;
constexpr int WrongEmailFormat = 401;
constexpr int NoFreeNumber = 803;
constexpr int InvalidVoucher = 821;
constexpr int EmailTaken = 851;
} // namespace ServiceCode
