// The calculator in a browser: index.html holds the page's skeleton, and this fills it from the
// design both desktop programs are built from and runs their handlers on its events.

#include "behaviour.h"

#include <emscripten/bind.h>
#include <emscripten/html5.h>

#include <optional>
#include <vector>

using emscripten::val;
using namespace design;

namespace {

val document() { return val::global("document"); }
val byId(const std::string &id) { return document().call<val>("getElementById", id); }
std::string px(int pixels) { return std::to_string(pixels) + "px"; }

// An attribute's value, narrow or wide; none (nullptr) leaves the attribute out.
struct Value : val
{
    template <typename T> Value(const T *text) : val(text ? val(std::basic_string<T>(text)) : val()) {}
};

// An element in `parent`, with its attributes ("text" stands for its text).
val make(val parent, const char *tag, std::initializer_list<std::pair<const char *, Value>> attributes = {})
{
    val element = document().call<val>("createElement", std::string(tag));
    for (const auto &[name, given] : attributes)
        if (const val &value = given; std::string_view(name) == "text")
            element.set("textContent", value);
        else if (!value.isUndefined())
            element.call<void>("setAttribute", std::string(name), value);
    parent.call<void>("append", element);
    return element;
}

// A design colour in CSS: a desktop colour as it usually looks, for a page cannot ask the
// desktop. Under forced colours (high contrast) the browser puts the system's in place of all.
std::string css(Colour colour)
{
    switch (colour) {
    case desktopBackground: colour = desktopBackgroundStandIn; break;
    case highlight: colour = rgb(0, 0x78, 0xd7); break;
    case windowBackground: case highlightText: colour = white; break;
    case windowFrame: case menuText: case buttonText: colour = black; break;
    }
    return "rgb(" + std::to_string(colour & 0xFF) + "," + std::to_string(colour >> 8 & 0xFF) + "," + std::to_string(colour >> 16 & 0xFF) + ")";
}

std::string style(const Control &c)
{
    std::string style = "left:" + px(c.x) + ";top:" + px(c.y) + ";width:" + px(c.width) + ";height:" + px(c.height);
    if (const std::wstring_view face = c.font.face ? c.font.face : L""; !face.empty())
        style += std::string(";font:") + (c.font.bold ? "bold " : "") + std::to_string(c.font.centipoints / 100.0) + "pt "
                 + std::string(face.begin(), face.end()) + ",\"Liberation Sans\",Arial,sans-serif";
    if (c.foreground != noColour)
        style += ";color:" + css(c.foreground);
    return c.background == noColour ? style : style + ";background:" + css(c.background);
}

// A window's client area and its controls in table order, the focus order; an option's label stands for it.
std::vector<val> build(val client, const Window &window, std::span<const Control> table)
{
    client.set("className", "client");
    client["style"].set("cssText", "width:" + px(window.clientWidth) + ";height:" + px(window.clientHeight)
                                           + (window.background == noColour ? "" : ";background:" + css(window.background)));
    std::vector<val> elements;
    val group;
    for (const Control &c : table) {
        const Control *box = boxNamedBy(table, elements.size());
        val element, styled;
        switch (c.kind) {
        case Kind::Picture: element = make(client, "img", {{"src", "banner.gif"}, {"srcset", "banner@2x.gif 2x"}, {"alt", c.caption}}); break;
        case Kind::Line: case Kind::LiveText: element = make(client, "div", {{"role", c.kind == Kind::LiveText ? "status" : nullptr}}); break;
        case Kind::Label: element = make(client, box ? "label" : "div", {{"for", box ? box->name : nullptr}, {"text", c.caption}}); break;
        case Kind::Option:
            // One group, named by the heading that the options' description repeats.
            group = group.isUndefined() ? make(client, "div", {{"role", "radiogroup"}, {"aria-label", c.description}}) : group;
            styled = make(group, "label");
            element = make(styled, "input", {{"type", "radio"}, {"name", "options"}});
            styled.call<void>("append", std::wstring(c.caption));
            break;
        case Kind::TextBox:
            element = make(client, "input", {{"disabled", c.flags & Disabled ? "" : nullptr}, {"readonly", c.flags & ReadOnly ? "" : nullptr},
                                             {"maxlength", typedLength(c.flags) ? std::to_string(typedLength(c.flags)).c_str() : nullptr},
                                             {"inputmode", typedLength(c.flags) ? "numeric" : nullptr}, {"aria-description", c.description}});
            break;
        case Kind::Button: element = make(client, "button", {{"text", c.caption}}); break;
        case Kind::RichText: element = make(client, "textarea", {{"readonly", c.flags & ReadOnly ? "" : nullptr}, {"aria-label", c.accessibleName}}); break;
        }
        styled = styled.isUndefined() ? element : styled;
        element.set("id", c.name);
        styled["style"].set("cssText", style(c));
        elements.push_back(styled);
    }
    // Labels grow to their caption's ink where there is room, all measured in one layout.
    std::vector<int> inks;
    std::ranges::transform(elements, std::back_inserter(inks), [](const val &element) { return element["scrollWidth"].as<int>(); });
    for (std::size_t row = 0; row < table.size(); ++row)
        if (table[row].kind == Kind::Label)
            elements[row]["style"].set("width", px(captionWidth(table[row].width, roomFor(table, row, window.clientWidth), inks[row])));
    return elements;
}

class Page final : public Form1Face, public AboutBoxFace
{
public:
    Page()
    {
        document().set("title", std::wstring(form1.title));
        const val main = document().call<val>("querySelector", std::string("main"));
        main["firstElementChild"].set("textContent", std::wstring(form1.title));
        for (const auto &[id, caption] : {std::pair{"plus", menuTitle}, {"about", aboutItem}, {"quit", quitItem}})
            byId(id).set("textContent", std::wstring(caption));
        form1Elements = build(make(main, "div", {{"id", form1.name}}), form1, form1Controls);
        // Every event of the page comes to on(), which tells them apart by their target.
        for (const char *type : {"click", "keydown", "beforeinput", "focusout"})
            document().call<void>("addEventListener", std::string(type), val::module_property("on"));
    }

    void on(val event)
    {
        const std::string type = event["type"].as<std::string>(), id = event["target"]["id"].as<std::string>();
        const auto found = std::ranges::find(menuItems, id);
        const int item = found == std::end(menuItems) ? -1 : int(found - menuItems);
        const bool inMenu = id == "plus" || item >= 0;
        if (inMenu && type == "keydown")
            menuKey(event, item);
        else if (inMenu && type == "focusout" && !byId("menubar").call<bool>("contains", event["relatedTarget"]))
            openMenu(-1);
        else if (inMenu && type == "click")
            item < 0 ? openMenu(byId("menu")["hidden"].as<bool>() ? 0 : -1) : item == 0 ? about_Click() : quit_Click();
        else if (type == "click") {
            for (const Click &click : form1Clicks)
                if (id == form1Controls[std::size_t(click.control)].name)
                    return click.handler(*this);
            if (id == form2Controls[std::size_t(Form2Control::Command1)].name || id == "close")
                hideAbout(id == "close");
        } else if (type != "focusout" && event["target"]["maxLength"].as<int>() > 0)
            typed(event);
    }

private:
    static constexpr const char *menuItems[] = {"about", "quit"};

    // Opens the menu with the focus on its item `index`; -1 closes it.
    void openMenu(int index)
    {
        byId("menu").set("hidden", index < 0);
        byId("plus").call<void>("setAttribute", std::string("aria-expanded"), val(index >= 0));
        if (index >= 0)
            byId(menuItems[index]).call<void>("focus");
    }

    // The keys of WAI-ARIA's menu bar, on its title (`item` -1) or on an item of its menu.
    void menuKey(val event, int item)
    {
        const std::string key = event["key"].as<std::string>();
        const int count = int(std::size(menuItems));
        if (key == "ArrowDown" || (item < 0 && (key == "Enter" || key == " ")))
            openMenu((item + 1) % count);
        else if (key == "ArrowUp")
            openMenu((item + count - (item >= 0)) % count);
        else if (key == "Enter" || key == " ")
            event["target"].call<void>("click");
        else if (key == "Escape") {
            openMenu(-1);
            byId("plus").call<void>("focus");
        } else
            return key == "Tab" ? openMenu(-1) : void();
        event.call<void>("preventDefault");
    }

    // What is typed in a wanted box, from keys, input methods or on-screen keyboards, passes the
    // digit rule; a paste or a drop comes in as it is. Ctrl and a letter make a control character,
    // as on the desktop, which the rule swallows: Ctrl+V pastes nothing, while Shift+Insert does.
    void typed(val event)
    {
        std::u16string characters;
        if (event["type"].as<std::string>() == "keydown") {
            const std::u16string key = event["key"].as<std::u16string>();
            const char16_t letter = key.size() == 1 ? key[0] | 0x20 : 0;
            if (event["ctrlKey"].as<bool>() && !event["altKey"].as<bool>() && letter >= u'a' && letter <= u'z')
                characters = char16_t(letter & 0x1f);
        } else if (const std::string kind = event["inputType"].as<std::string>(); kind != "insertFromPaste" && kind != "insertFromDrop")
            characters = event["data"].isString() ? event["data"].as<std::u16string>() : u"";
        if (!calc::wantedBoxTakes(characters))
            event.call<void>("preventDefault");
    }

    std::u16string text(Form1Control box) const override { return form1Elements[std::size_t(box)]["value"].as<std::u16string>(); }
    void setText(Form1Control box, std::u16string_view text) override { form1Elements[std::size_t(box)].set("value", std::u16string(text)); }

    calc::NumberFormat numberFormat() const override
    {
        val options = val::object();
        options.set("signDisplay", "always");
        const val format = val::global("Intl")["NumberFormat"].new_(val::global("navigator")["language"], options);
        const val parts = format.call<val>("formatToParts", -1.5).call<val>("concat", format.call<val>("formatToParts", 1));
        calc::NumberFormat number;
        for (int i = 0; i < parts["length"].as<int>(); ++i)
            for (auto [type, part] : {std::pair{"decimal", &number.decimalPoint}, {"minusSign", &number.negativeSign}, {"plusSign", &number.positiveSign}})
                *part = parts[i]["type"].as<std::string>() == type ? parts[i]["value"].as<std::u16string>() : *part;
        return number;
    }

    // Dismissed, the dialog gives the focus back to where it was, and everything typed is in place.
    void reportFailure(calc::Status status) override
    {
        byId("failure-text").set("textContent", std::u16string(runTimeErrorMessage(status)));
        byId("failure").call<void>("showModal");
    }

    // A new text each time, so that a repeated one is heard again.
    void announce(std::u16string_view text) override { form1Elements[std::size_t(Form1Control::annonce)].call<void>("replaceChildren", std::u16string(text)); }

    void replace(std::size_t from, std::size_t to, std::u16string_view text) override { rtf.call<void>("setRangeText", std::u16string(text), from, to); }
    void cursorToStart() override { rtf.call<void>("setSelectionRange", 0, 0); }

    // Loads the about window on first use, or shows it as it was left.
    void about_Click()
    {
        openMenu(-1);
        if (!typewriter) {
            const std::string place = "left:" + px(form2.clientX - form1.clientX) + ";top:" + px(form2.clientY - form1.clientY);
            about = make(byId(form1.name), "div", {{"id", form2.name}, {"role", "dialog"}, {"aria-label", form2.title}, {"style", place.c_str()}});
            make(make(about, "div", {{"id", "about-title"}, {"text", form2.title}}), "button", {{"id", "close"}, {"aria-label", "Fermer"}});
            rtf = build(make(about, "div"), form2, form2Controls)[std::size_t(Form2Control::rtf)];
            typewriter.emplace(u'\n').Form_Load();
            timer = emscripten_set_interval([](void *self) {
                if (Page &page = *static_cast<Page *>(self); page.typewriter->Timer1_Timer(page))
                    emscripten_clear_interval(page.timer);
            }, double(typingInterval.count()), this);
        }
        about.set("hidden", false);
        rtf.call<void>("focus");
    }

    // "Quitter" hides the window, its close box unloads it.
    void hideAbout(bool unload)
    {
        about.set("hidden", true);
        if (unload) {
            emscripten_clear_interval(timer);
            typewriter.reset();
            about.call<void>("remove");
        }
        byId("plus").call<void>("focus");
    }

    // At once, as far as a page can: every window and timer goes, and the tab too where the
    // browser lets a page close it; else the page says so.
    void quit_Click()
    {
        emscripten_clear_interval(timer);
        document()["body"].call<void>("replaceChildren", byId("ended")["content"]);
        val::global("window").call<void>("close");
    }

    val about, rtf;
    std::vector<val> form1Elements;
    std::optional<Typewriter> typewriter;
    long timer = 0; // clearing one that has ended, or none, does nothing
};

std::optional<Page> page;

} // namespace

EMSCRIPTEN_BINDINGS(page) { emscripten::function("on", +[](val event) { page->on(event); }); }

int main() { page.emplace(); }
