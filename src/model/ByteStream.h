#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace tq {

// Little-endian primitives of the block file. Texts are a u32 length and the bytes; the length
// 0xFFFFFFFF means "no text".
class ByteWriter {
public:
    void Byte(std::uint8_t v) { out_.push_back(static_cast<char>(v)); }
    void U32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out_.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
    void Int(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
    void Bool(bool v) { U32(v ? 1u : 0u); }
    void Text(std::string_view s) {
        U32(static_cast<std::uint32_t>(s.size()));
        out_.append(s);
    }
    void Raw(std::string_view bytes) { out_.append(bytes); }

    const std::string& Bytes() const { return out_; }
    std::string TakeBytes() { return std::move(out_); }
    void Reserve(std::size_t n) { out_.reserve(n); }

private:
    std::string out_;
};

// Reads the primitives from a buffer and never trusts a length from it: a read past the end or a
// framing error puts the reader into its failed state, after which every read yields 0 or an empty
// text.
class ByteReader {
public:
    explicit ByteReader(std::string_view data) : data_(data) {}

    std::uint8_t Byte() {
        if (!Have(1)) return 0;
        return static_cast<std::uint8_t>(data_[pos_++]);
    }
    std::uint32_t U32() {
        if (!Have(4)) return 0;
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(data_[pos_ + i])) << (8 * i);
        pos_ += 4;
        return v;
    }
    std::int32_t Int() { return static_cast<std::int32_t>(U32()); }
    bool Bool() { return U32() != 0; }
    std::string Text() {
        const std::uint32_t n = U32();
        if (failed_ || n == 0xFFFFFFFFu) return {};
        if (!Have(n)) return {};
        std::string s(data_.substr(pos_, n));
        pos_ += n;
        return s;
    }

    bool Failed() const { return failed_; }
    void Fail() { failed_ = true; }
    std::size_t Position() const { return pos_; }
    std::size_t Remaining() const { return failed_ ? 0 : data_.size() - pos_; }
    bool AtEnd() const { return pos_ >= data_.size(); }

private:
    bool Have(std::size_t n) {
        if (failed_) return false;
        if (data_.size() - pos_ < n) {
            failed_ = true;
            return false;
        }
        return true;
    }

    std::string_view data_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

} // namespace tq
