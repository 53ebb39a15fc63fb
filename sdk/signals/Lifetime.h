#pragma once

namespace quarlin {

/// Tells whether an object still exists after a call that may have destroyed it. The library
/// calls the host from inside a person's act (a message for a refusal, help, a style write the
/// host answers, the action run after OK), and the host may close the window that owns the caller
/// before the call returns; the caller watches its lifetime around such a call and touches nothing
/// of itself once it is gone:
///
///   auto const alive = m_lifetime.watch();
///   reportAtBoundary(failure);
///   if (alive)
///       restoreWidget();
///
/// A member, destroyed with its owner; a copy of the owner has a lifetime of its own. One thread
/// (the user-interface thread): no atomics, and nothing is allocated until the first watch.
class Lifetime
{
    struct Token
    {
        bool alive = true;
        int watches = 0;
    };

public:
    /// A watch of one lifetime; true while the watched object lives. Cheap to copy.
    class Watch
    {
    public:
        /// Watches the same lifetime.
        Watch(Watch const& other)
            : m_token(other.m_token)
        {
            ++m_token->watches;
        }
        Watch& operator=(Watch const&) = delete;
        ~Watch() { release(m_token); }
        /// Whether the watched object still exists.
        explicit operator bool() const noexcept { return m_token->alive; }

    private:
        friend class Lifetime;
        explicit Watch(Token* token)
            : m_token(token)
        {
            ++m_token->watches;
        }
        Token* m_token;
    };

    Lifetime() = default;
    /// A copy has a lifetime of its own.
    Lifetime(Lifetime const&) {}
    /// Keeps this lifetime: the watches of it stay valid.
    Lifetime& operator=(Lifetime const&) { return *this; }
    ~Lifetime()
    {
        if (!m_token)
            return;
        m_token->alive = false;
        release(m_token, false);
    }

    /// A watch that turns false when this lifetime (its owner) is destroyed.
    Watch watch() const
    {
        if (!m_token)
            m_token = new Token;
        return Watch(m_token);
    }

private:
    static void release(Token* token, bool watch = true)
    {
        if (watch)
            --token->watches;
        if (!token->alive && token->watches == 0)
            delete token;
    }

    mutable Token* m_token = nullptr;
};

} // namespace quarlin
