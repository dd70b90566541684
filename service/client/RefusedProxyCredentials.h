#pragma once

// The proxy settings whose credentials the proxy refused, remembered for the rest of the run so that
// nothing offers them again on its own: a proxy that checks them against the user's directory account
// would lock it after a few failures. The automatic log-in and the task pump ask before each attempt; a
// change of the proxy settings (host, port, user or password, switched on or off) lets them go. Any
// thread.
class RefusedProxyCredentials
{
public:
    // After each call through the settings' proxy: a refusal of the credentials remembers the settings;
    // any other answer from beyond the proxy, or a call with other settings, forgets them.
    static void note(int result);
    // The settings' proxy is the one whose credentials were refused.
    static bool inUse();
};
